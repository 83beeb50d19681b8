#pragma once
// The names of the files the program creates for one picture (saved games,
// exchange files): the picture number and the local day, month, hour and
// minute, so that a second file within the same minute replaces the first.

#include <string>
#include <string_view>

namespace mosarin {

struct LocalDateTime {
    int year = 2000, month = 1, day = 1;    // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;   // hour 0..23
};

// "Pic%.4dDate%.2d%.2dTime%.2d%.2d" followed by `extension` (".pgu", ".gpe").
std::string datedFileName(int picture, const LocalDateTime& when, std::string_view extension);

}  // namespace mosarin
