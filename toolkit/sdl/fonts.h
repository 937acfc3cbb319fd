// Fonts by the family names the game uses, found through fontconfig. A machine that has the
// named face uses it; any other gets the closest metric-compatible face it has.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/sdl/face.h"
#include "toolkit/text_layout.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace tk::sdl {

// The desktop's fonts, measured for the toolkit's text layout through FreeType.
class Fonts final : public FontMetrics {
public:
    Fonts() = default;
    ~Fonts() override;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The face for a font at a pixel size, or nullptr when the machine has no usable font.
    Face* get(const Typeface& font, int pixels);
    // The font file fontconfig picked for a font (empty if none).
    std::string file_for(const Typeface& font);
    // Finds the files of these fonts at once, then lets fontconfig go: its configuration and
    // caches would hold more memory than all the text drawn. A font asked for later opens it again.
    void find_all(const std::vector<Typeface>& fonts);

    std::optional<FaceMetrics> face(const Typeface& font, int pixels) override;
    int width(const Typeface& font, int pixels, std::string_view text) override;

private:
    std::map<std::tuple<std::string, bool, bool>, std::string> files_;
    bool fontconfig_ = false; // open
    FT_Library library_ = nullptr;
    std::map<std::string, std::unique_ptr<FontFile>> mapped_; // by path; null when unreadable
    std::map<std::tuple<std::string, int>, std::unique_ptr<Face>> faces_;
};

} // namespace tk::sdl
