#include "picture/dated_file_name.h"

#include <cstdio>

namespace mosarin {

std::string datedFileName(int picture, const LocalDateTime& when, std::string_view extension) {
    // Large enough for any int in every field, so nothing is ever cut.
    char name[96];
    std::snprintf(name, sizeof name, "Pic%.4dDate%.2d%.2dTime%.2d%.2d", picture, when.day, when.month, when.hour,
                  when.minute);
    return std::string(name).append(extension);
}

}  // namespace mosarin
