// The pick lists of the orienteering reports: classes (with a class
// filter), courses, controls and route descriptions. Each reads its
// candidates in key order through the data layer's register operations
// (ol/data/files/registers.h), so the chosen record is loaded into that
// kind's buffer in Ol(). InitM constructs the pick, which runs the dialog;
// the pick starts with nothing selected.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "registers/epick.h"

namespace oltoma::registers {

// Which classes a class pick offers.
enum class TKlassFilter {
    normal = 0,  // all classes
    direkt = 1,  // those named in the competition's direct-entry class list
    nodir = 2,   // those not named there
    elit = 3,    // those whose designation contains the capital "E"
};

// Classes of the open competition, listed by designation (`Bet`) in the
// order of the designation key.
class TKlassPick final : public TEPick {
public:
    static std::unique_ptr<TKlassPick> InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                             TKlassFilter Akfilter, bool multi,
                                             bool offerPdf = false);

protected:
    bool doTheFilter() override;
    std::string FormPickStr() override;
    void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc, bool& Exst,
                    bool& FileEnd) override;

private:
    TKlassPick(platform::WindowHandle AOwner, std::string_view Aname, TKlassFilter Akfilter,
               bool multi, bool offerPdf);
    TKlassFilter kfilter;
};

// Courses of the competition by designation (`Bana`).
class TBanPick final : public TEPick {
public:
    static std::unique_ptr<TBanPick> InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                           bool multi, bool offerPdf = false);

protected:
    std::string FormPickStr() override;
    void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc, bool& Exst,
                    bool& FileEnd) override;

private:
    TBanPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi, bool offerPdf);
};

// Controls of the competition by code (`KodNr`).
class TKontrPick final : public TEPick {
public:
    static std::unique_ptr<TKontrPick> InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                             bool multi, bool offerPdf = false);

protected:
    std::string FormPickStr() override;
    void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc, bool& Exst,
                    bool& FileEnd) override;

private:
    TKontrPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi, bool offerPdf);
};

// Route descriptions of the format in use (RUTB24 or RUTBESKR), listed as
// `Namn`, a blank and `Text` (at most 59 characters).
class TRutbPick final : public TEPick {
public:
    static std::unique_ptr<TRutbPick> InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                            bool multi, bool offerPdf = false);

protected:
    std::string FormPickStr() override;
    void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc, bool& Exst,
                    bool& FileEnd) override;

private:
    TRutbPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi, bool offerPdf);
};

}  // namespace oltoma::registers
