#pragma once
// An output stream over a C stdio stream, for the command line of the
// windowed program. Including <iostream> there would set up the standard
// streams and their locale at every start, windows included: some 400 KB of
// the C++ library's pages the game never uses. These streams are made only
// when there are arguments to read, and write through to the C stream as the
// standard ones do (stdout buffered until exit, stderr at once).

#include <cstdio>
#include <ostream>
#include <streambuf>

namespace mosarin {

class StdioBuffer final : public std::streambuf {
public:
    explicit StdioBuffer(std::FILE* file) : file_(file) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        return std::fputc(traits_type::to_char_type(c), file_) == EOF ? traits_type::eof() : c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        return std::streamsize(std::fwrite(text, 1, size_t(count), file_));
    }
    int sync() override { return std::fflush(file_) == 0 ? 0 : -1; }

private:
    std::FILE* file_;
};

class StdioStream final : public std::ostream {
public:
    explicit StdioStream(std::FILE* file) : std::ostream(nullptr), buffer_(file) { rdbuf(&buffer_); }

private:
    StdioBuffer buffer_;
};

}  // namespace mosarin
