#pragma once
// What a JPEG stream's scans will cost, read from its markers alone before
// any of it is decoded: the 8 x 8 blocks the frame holds and how many block
// visits its scans ask for. A crafted stream of a few kilobytes can claim a
// 64-megapixel frame and a hundred scans over it; the decoder refuses it
// here, at the cost of one pass over the bytes, instead of decoding scans
// until its own count runs out.

#include <array>
#include <cstddef>
#include <cstdint>

namespace mosarin {

class JpegScanSurvey {
public:
    // Takes the stream's next bytes; pieces may be cut anywhere.
    void feed(const std::uint8_t* data, std::size_t size);

    // The frame's size in pixels (0 before a frame header).
    int frameWidth() const { return frameWidth_; }
    int frameHeight() const { return frameHeight_; }
    // Blocks of the frame, summed over its components (0 before a frame header).
    std::int64_t frameBlocks() const { return frameBlocks_; }
    // Block visits and scans of the scan headers seen so far.
    std::int64_t blockVisits() const { return blockVisits_; }
    int scans() const { return scans_; }
    // The survey stopped reading: the end of the image, or bytes that are not
    // a stream it can follow (the decoder then says what is wrong).
    bool finished() const { return state_ == State::Done; }

private:
    enum class State { Start, StartCode, Marker, MarkerCode, Length, Payload, Skip, EntropyData, EntropyMarker, Done };

    void byte(std::uint8_t value);
    void markerFound(std::uint8_t code);
    void headerRead();
    void readFrameHeader();
    void readScanHeader();

    State state_ = State::Start;
    std::uint8_t marker_ = 0;
    int lengthBytes_ = 0;
    std::size_t remaining_ = 0;       // payload bytes still to come
    std::array<std::uint8_t, 770> payload_{};   // a frame or scan header: 2 + 3 x 255 bytes at most
    std::size_t payloadSize_ = 0;

    struct Component {
        int id = -1;
        std::int64_t blocks = 0;
    };
    std::array<Component, 255> components_{};
    int componentCount_ = 0;
    int frameWidth_ = 0, frameHeight_ = 0;
    std::int64_t frameBlocks_ = 0;
    std::int64_t blockVisits_ = 0;
    int scans_ = 0;
};

}  // namespace mosarin
