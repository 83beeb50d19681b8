#pragma once
// Images of many megapixels (a photograph chosen as the guide image) with
// their pixels in memory that the system can map in large pages.

#include <QImage>

namespace mosarin {

// A new, uninitialised image of the given size and format, or a null image
// when its pixels cannot be allocated. Pixels of several megabytes are placed
// in memory advised for transparent huge pages: filling them then costs a
// few page faults instead of one per 4 KiB, which is most of a large
// decode's time on systems where faults are dear.
QImage newLargeImage(int width, int height, QImage::Format format);

}  // namespace mosarin
