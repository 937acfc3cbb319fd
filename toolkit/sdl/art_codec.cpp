#include "toolkit/sdl/art_codec.h"

namespace art {

namespace {

// The first byte of each op. The two-bit tags share their byte with a payload; a run never
// reaches 63 or 64, so the two full-pixel tags stay apart from it.
constexpr unsigned char kIndex = 0x00, kDiff = 0x40, kLuma = 0x80, kRun = 0xC0, kRgb = 0xFE, kArgb = 0xFF;
constexpr int kMaxRun = 62;
constexpr std::uint32_t kStart = 0xFF000000; // opaque black: the pixel "before" the first

struct Channels {
    int a, r, g, b;
};

Channels split(std::uint32_t p)
{
    return {static_cast<int>(p >> 24), static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
        static_cast<int>(p & 0xFF)};
}

std::uint32_t join(int a, int r, int g, int b)
{
    return (static_cast<std::uint32_t>(a & 0xFF) << 24) | (static_cast<std::uint32_t>(r & 0xFF) << 16)
        | (static_cast<std::uint32_t>(g & 0xFF) << 8) | static_cast<std::uint32_t>(b & 0xFF);
}

unsigned slot(std::uint32_t p)
{
    Channels c = split(p);
    return static_cast<unsigned>(c.r * 3 + c.g * 5 + c.b * 7 + c.a * 11) % 64;
}

unsigned char byte(int v)
{
    return static_cast<unsigned char>(v);
}

// A channel's change from the previous pixel, wrapped to -128..127.
int delta(int now, int before)
{
    return static_cast<signed char>(static_cast<unsigned char>(now - before));
}

// Unpacks a picture's stream a number of rows at a time.
class Decoder {
public:
    Decoder(const unsigned char* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    // The next COUNT rows of W pixels. False when the data runs out or is damaged.
    bool rows(void* pixels, int pitch, int w, int count);
    // Whether the data ended exactly where the last row did.
    bool done() const { return run_ == 0 && at_ == size_; }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::uint32_t cache_[64] = {};
    std::uint32_t prev_ = 0xFF000000; // opaque black: the pixel "before" the first
    int run_ = 0;
};

} // namespace

std::vector<unsigned char> encode(const std::uint32_t* pixels, std::size_t count)
{
    std::vector<unsigned char> out;
    std::uint32_t cache[64] = {};
    std::uint32_t prev = kStart;
    int run = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t p = pixels[i];
        if (p == prev) {
            if (++run == kMaxRun) {
                out.push_back(byte(kRun | (run - 1)));
                run = 0;
            }
            cache[slot(p)] = p;
            continue;
        }
        if (run > 0) {
            out.push_back(byte(kRun | (run - 1)));
            run = 0;
        }
        unsigned s = slot(p);
        Channels c = split(p), q = split(prev);
        if (cache[s] == p) {
            out.push_back(byte(static_cast<int>(kIndex | s)));
        } else if (c.a != q.a) {
            out.insert(out.end(), {kArgb, byte(c.r), byte(c.g), byte(c.b), byte(c.a)});
        } else {
            int dr = delta(c.r, q.r), dg = delta(c.g, q.g), db = delta(c.b, q.b);
            int dr_dg = dr - dg, db_dg = db - dg;
            if (dr >= -2 && dr <= 1 && dg >= -2 && dg <= 1 && db >= -2 && db <= 1) {
                out.push_back(byte(kDiff | (dr + 2) << 4 | (dg + 2) << 2 | (db + 2)));
            } else if (dg >= -32 && dg <= 31 && dr_dg >= -8 && dr_dg <= 7 && db_dg >= -8 && db_dg <= 7) {
                out.insert(out.end(), {byte(kLuma | (dg + 32)), byte((dr_dg + 8) << 4 | (db_dg + 8))});
            } else {
                out.insert(out.end(), {kRgb, byte(c.r), byte(c.g), byte(c.b)});
            }
        }
        cache[s] = p;
        prev = p;
    }
    if (run > 0)
        out.push_back(byte(kRun | (run - 1)));
    return out;
}

bool Decoder::rows(void* pixels, int pitch, int w, int count)
{
    auto* rows = static_cast<unsigned char*>(pixels);
    for (int y = 0; y < count; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(rows + static_cast<std::ptrdiff_t>(y) * pitch);
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = prev_;
            if (run_ > 0) {
                --run_;
            } else {
                if (at_ >= size_)
                    return false;
                unsigned char op = data_[at_++];
                Channels q = split(prev_);
                if (op == kRgb || op == kArgb) {
                    std::size_t n = op == kRgb ? 3 : 4;
                    if (size_ - at_ < n)
                        return false;
                    p = join(op == kRgb ? q.a : data_[at_ + 3], data_[at_], data_[at_ + 1], data_[at_ + 2]);
                    at_ += n;
                } else if ((op & 0xC0) == kIndex) {
                    p = cache_[op & 0x3F];
                } else if ((op & 0xC0) == kDiff) {
                    p = join(q.a, q.r + ((op >> 4) & 3) - 2, q.g + ((op >> 2) & 3) - 2, q.b + (op & 3) - 2);
                } else if ((op & 0xC0) == kLuma) {
                    if (at_ >= size_)
                        return false;
                    int dg = (op & 0x3F) - 32;
                    unsigned char rb = data_[at_++];
                    p = join(q.a, q.r + dg + (rb >> 4) - 8, q.g + dg, q.b + dg + (rb & 0x0F) - 8);
                } else {
                    run_ = op & 0x3F; // this pixel and RUN more repeat the previous one
                }
            }
            cache_[slot(p)] = p;
            prev_ = p;
            row[x] = p;
        }
    }
    return true;
}

bool decode(const unsigned char* data, std::size_t size, void* pixels, int pitch, int w, int h)
{
    if (w <= 0 || h <= 0)
        return false;
    Decoder d(data, size);
    return d.rows(pixels, pitch, w, h) && d.done();
}

} // namespace art
