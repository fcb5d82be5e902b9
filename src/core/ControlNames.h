#pragma once

#include <string_view>

// The window's control names (UTF-8). The window uses them as object names, and
// the core names controls by them in every UiPort call.
namespace cardgen::controls {

inline constexpr std::string_view faceValueCodeBox = "编辑框_面值编码";
inline constexpr std::string_view batchCodeBox = "编辑框_批次编码";
inline constexpr std::string_view sequenceBox = "编辑框_递增序列";
inline constexpr std::string_view passwordLengthBox = "编辑框_密码位数";
inline constexpr std::string_view countBox = "编辑框_数量";
inline constexpr std::string_view outputBox = "编辑框_卡号密码";

inline constexpr std::string_view digitsRadio = "单选框_数字";
inline constexpr std::string_view lowerLettersRadio = "单选框_小写字母";
inline constexpr std::string_view upperLettersRadio = "单选框_大写字母";
inline constexpr std::string_view mixedCaseRadio = "单选框_字母大小";
inline constexpr std::string_view digitsUpperRadio = "单选框_数字大写";
inline constexpr std::string_view digitsLowerRadio = "单选框_数字小写";

inline constexpr std::string_view generateButton = "按钮_生成";
inline constexpr std::string_view exportButton = "按钮_导出密码";
inline constexpr std::string_view exitButton = "按钮_退出";
inline constexpr std::string_view progressBar = "进度条1";
inline constexpr std::string_view clockLabel = "标签9";
inline constexpr std::string_view clockTimer = "时钟1";
inline constexpr std::string_view saveDialog = "通用对话框1";

} // namespace cardgen::controls
