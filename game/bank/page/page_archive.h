// The page's way into a spreadsheet's zip archive: the page script (sheets.js) unzips it with
// fflate and parses each part with the browser's DOMParser, and hands the walk back as a list
// of events that the same handlers as the desktop's read.
#pragma once

#include "game/bank/workbook.h"

namespace bank {

class PageArchive : public Archive {
public:
    explicit PageArchive(std::string_view bytes);
    ~PageArchive();
    PageArchive(const PageArchive&) = delete;
    PageArchive& operator=(const PageArchive&) = delete;

    // Whether the page has loaded its sheet reader: it comes with the first spreadsheet.
    static bool ready();

    bool is_zip() const override { return zip_; }
    bool has(const std::string& entry) const override;
    bool walk(const std::string& entry, XmlHandler& handler) override;
    const std::string& fault() const override { return fault_; }

private:
    bool zip_ = false;
    std::string fault_;
};

} // namespace bank
