#pragma once

#include <string>
#include <string_view>

#include "model/notice.h"

namespace tg::cli {

// Exit statuses of every command.
inline constexpr int kDone = 0;
// A file could not be read or written; for diff and check: something found.
inline constexpr int kFailed = 1;
inline constexpr int kFound = 1;
// Wrong use, a refusal or an unconfirmed copy: nothing was changed.
inline constexpr int kRefused = 2;

// Standard output, exactly these bytes.
void writeOut(std::string_view text);

// One line on standard error: "tgedit-cli: " + text.
void printError(std::string_view text);

// A message text on one line: its line ends and the blanks after each become
// one blank ("...characters:\r\n     \ / :" gives "...characters: \ / :").
std::string oneLine(std::string_view text);

// Each notice's text on one line of standard error, after "tgedit-cli: ".
void printNotices(const Notices& notices);

// Whether standard input is a terminal someone can answer on.
bool inputIsTerminal();

// Asks a yes/no question on the terminal: the question's lines on standard
// error followed by " [y/N] ", then reads answers from standard input. y or
// yes (any letter case) is yes; n, no, an empty answer or the end of the
// input is no; anything else asks again.
bool askYesNo(std::string_view question);

}  // namespace tg::cli
