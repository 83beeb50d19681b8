#include "shell/jpeg_scan_survey.h"

#include <algorithm>
#include <cstring>

namespace mosarin {

namespace {

constexpr std::uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA;

// Frame headers: SOF0..SOF15 but for DHT (C4), JPG (C8) and DAC (CC).
bool isFrameHeader(std::uint8_t code) { return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC; }
// Markers that stand alone, without a length: TEM and the restart markers.
bool standsAlone(std::uint8_t code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD7); }

std::int64_t roundUpDivide(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

}  // namespace

void JpegScanSurvey::feed(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* end = data + size;
    while (data < end && state_ != State::Done) {
        if (state_ == State::EntropyData) {
            // Most of a file is entropy-coded data: look only for its markers.
            const void* mark = std::memchr(data, 0xFF, std::size_t(end - data));
            if (!mark) return;
            data = static_cast<const std::uint8_t*>(mark) + 1;
            state_ = State::EntropyMarker;
            continue;
        }
        if (state_ == State::Skip) {
            const std::size_t step = std::min(remaining_, std::size_t(end - data));
            data += step;
            remaining_ -= step;
            if (remaining_ == 0) state_ = State::Marker;
            continue;
        }
        byte(*data++);
    }
}

void JpegScanSurvey::byte(std::uint8_t value) {
    switch (state_) {
    // A stream opens with SOI; the decoder explains anything else.
    case State::Start:
        state_ = value == 0xFF ? State::StartCode : State::Done;
        break;
    case State::StartCode:
        state_ = value == kSoi ? State::Marker : State::Done;
        break;
    case State::Marker:
        // Bytes between segments are skipped up to the next marker, as the
        // decoder itself does.
        if (value == 0xFF) state_ = State::MarkerCode;
        break;
    case State::MarkerCode:
    case State::EntropyMarker:
        if (value == 0xFF) break;   // fill bytes before a marker
        if (state_ == State::MarkerCode && value == 0x00) {
            state_ = State::Marker;   // FF 00 between segments: libjpeg skips it as garbage
            break;
        }
        if (state_ == State::EntropyMarker && (value < 0xC0 || standsAlone(value))) {
            // A stuffed 0xFF, a restart, or a reserved code that libjpeg
            // discards while it looks for the next restart: still the same
            // scan's data, never a segment with a length.
            state_ = State::EntropyData;
            break;
        }
        markerFound(value);
        break;
    case State::Length:
        remaining_ = (remaining_ << 8) | value;
        if (++lengthBytes_ < 2) break;
        if (remaining_ < 2) {
            state_ = State::Done;
            break;
        }
        remaining_ -= 2;
        payloadSize_ = 0;
        if (!isFrameHeader(marker_) && marker_ != kSos) state_ = remaining_ == 0 ? State::Marker : State::Skip;
        else if (remaining_ == 0) headerRead();
        else state_ = State::Payload;
        break;
    case State::Payload:
        if (payloadSize_ < payload_.size()) payload_[payloadSize_++] = value;
        if (--remaining_ == 0) headerRead();
        break;
    case State::EntropyData:
    case State::Skip:
    case State::Done:
        break;
    }
}

void JpegScanSurvey::markerFound(std::uint8_t code) {
    marker_ = code;
    if (code == kEoi) {
        state_ = State::Done;
        return;
    }
    if (standsAlone(code)) {
        state_ = State::Marker;
        return;
    }
    lengthBytes_ = 0;
    remaining_ = 0;
    state_ = State::Length;
}

void JpegScanSurvey::headerRead() {
    if (isFrameHeader(marker_)) readFrameHeader();
    else readScanHeader();
    if (state_ != State::Done) state_ = marker_ == kSos ? State::EntropyData : State::Marker;
}

// P, Y, X, Nf, then Nf x (C, H|V, Tq).
void JpegScanSurvey::readFrameHeader() {
    if (payloadSize_ < 6) {
        state_ = State::Done;
        return;
    }
    const int height = (payload_[1] << 8) | payload_[2];
    const int width = (payload_[3] << 8) | payload_[4];
    const int count = payload_[5];
    if (count == 0 || payloadSize_ < std::size_t(6 + 3 * count)) {
        state_ = State::Done;
        return;
    }
    int maxH = 1, maxV = 1;
    for (int c = 0; c < count; ++c) {
        const std::uint8_t sampling = payload_[6 + 3 * c + 1];
        maxH = std::max(maxH, sampling >> 4);
        maxV = std::max(maxV, sampling & 15);
    }
    componentCount_ = count;
    frameWidth_ = width;
    frameHeight_ = height;
    frameBlocks_ = 0;
    for (int c = 0; c < count; ++c) {
        const std::uint8_t sampling = payload_[6 + 3 * c + 1];
        const std::int64_t across = roundUpDivide(std::int64_t(width) * std::max(1, sampling >> 4), std::int64_t(maxH) * 8);
        const std::int64_t down = roundUpDivide(std::int64_t(height) * std::max(1, sampling & 15), std::int64_t(maxV) * 8);
        components_[std::size_t(c)] = {payload_[6 + 3 * c], across * down};
        frameBlocks_ += across * down;
    }
}

// Ns, then Ns x (Cs, Td|Ta), Ss, Se, Ah|Al.
void JpegScanSurvey::readScanHeader() {
    const int count = payloadSize_ > 0 ? payload_[0] : 0;
    if (count == 0 || payloadSize_ < std::size_t(1 + 2 * count)) {
        state_ = State::Done;
        return;
    }
    ++scans_;
    for (int s = 0; s < count; ++s) {
        const int id = payload_[1 + 2 * s];
        for (int c = 0; c < componentCount_; ++c) {
            if (components_[std::size_t(c)].id == id) {
                blockVisits_ += components_[std::size_t(c)].blocks;
                break;
            }
        }
    }
}

}  // namespace mosarin
