// Every fixed text of the program, each used by one name (GBK at run time).
#pragma once

namespace texts {

// Main window.
inline constexpr char kStoredCaption[] = "Qorvel网络修复工具 v1.0.0.0";
inline constexpr char kLabel[] = "第二步：关闭Qorvel网游加速器.\r\n\r\n第三步：选取Qorvel网游加速器所在路径:";
inline constexpr char kChooseButton[] = "...";
inline constexpr char kExecuteButton[] = "执行";
inline constexpr char kNotUsedTaviro[] = "当前机器没有使用过Taviro";
inline constexpr char kUsedTaviro[] = "当前机器使用过Taviro";
inline constexpr char kGroupBox[] = "第一步：请选择";
inline constexpr char kResetIpv6[] = "重置IPv6";
inline constexpr char kResetIpv4[] = "重置IPv4";
inline constexpr char kResetSockets[] = "重置套接字";
inline constexpr char kResetFirewall[] = "重置防火墙";
inline constexpr char kWindowFailed[] = "载入启动窗口失败";

// Path chooser.
inline constexpr char kDialogTitle[] = "选取Qorvel网游加速器所在路径";
inline constexpr char kDialogFilter[] = "Qorvel网游加速器|*.exe";
inline constexpr char kDefaultExtension[] = "exe";
inline constexpr char kShortcutExtension[] = ".lnk";

// Execute action.
inline constexpr char kToolNameX64[] = "uninstall_x64.exe";
inline constexpr char kToolNameX86[] = "uninstall_x86.exe";
inline constexpr char kAcceleratorSwitches[] = " -unRegisterDriver -stopScDriver -delDriver -CompatibleMode/1";
inline constexpr char kAcceleratorDescription[] = "Qorvel网游加速器";
inline constexpr char kInterpreterFile[] = "cmd.exe";
inline constexpr char kKeepOpenSwitch[] = " /k ";
inline constexpr char kCommandSeparator[] = " & ";
inline constexpr char kResetSocketsCommand[] = "netsh winsock reset";
inline constexpr char kResetFirewallCommand[] = "netsh advfirewall reset";
inline constexpr char kResetIpv4Command[] = "netsh int ipv4 reset";
inline constexpr char kResetIpv6Command[] = "netsh int ipv6 reset";

// Messages of the Execute action.
inline constexpr char kTitleInfo[] = "提示";
inline constexpr char kTitleError[] = "错误";
inline constexpr char kSuccess[] = "执行成功，请继续尝试使用Qorvel网游加速器，并观察问题是否解决。";
inline constexpr char kErrorMinus1[] = "执行失败，错误代码 -1！";
inline constexpr char kErrorMinus2[] = "执行失败，错误代码 -2！";
inline constexpr char kErrorMinus3[] = "执行失败，错误代码 -3！";
inline constexpr char kNotTheAccelerator[] =
    "你选择的文件并非Qorvel网游加速器，请选择正确的Qorvel网游加速器文件！";
inline constexpr char kBadPath[] = "Qorvel网游加速器路径不正确，你必须选择正确的Qorvel网游加速器路径！";

}  // namespace texts
