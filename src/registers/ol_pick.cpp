#include "registers/ol_pick.h"

#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/route_file.h"
#include "ol/data/records/class_designation.h"

namespace oltoma::registers {
namespace {

constexpr std::int32_t kNoPreselection = 0;
constexpr std::size_t kMaxRouteTextLength = 59;

bool Route24InUse() {
    return ol::IsRoute24Format(ol::Ol().routeFormatInUse);
}

}  // namespace

TKlassPick::TKlassPick(platform::WindowHandle AOwner, std::string_view Aname, TKlassFilter Akfilter,
                       bool multi, bool offerPdf)
    : kfilter(Akfilter) {
    Init(AOwner, Aname, kNoPreselection, multi, false, offerPdf);
}

std::unique_ptr<TKlassPick> TKlassPick::InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                              TKlassFilter Akfilter, bool multi, bool offerPdf) {
    return std::unique_ptr<TKlassPick>(new TKlassPick(AOwner, Aname, Akfilter, multi, offerPdf));
}

bool TKlassPick::doTheFilter() {
    const std::string_view designation = ol::Ol().klass.rec.Bet.view();
    const std::string_view filter = ol::Ol().competition.rec.dirklassfilter.view();
    switch (kfilter) {
        case TKlassFilter::direkt:
            return ol::ClassFilterMatches(filter, designation);
        case TKlassFilter::nodir:
            return !ol::ClassFilterMatches(filter, designation);
        case TKlassFilter::elit:
            return designation.find('E') != std::string_view::npos;
        case TKlassFilter::normal:
            break;
    }
    return true;
}

std::string TKlassPick::FormPickStr() {
    return ol::Ol().klass.rec.Bet.str();
}

void TKlassPick::FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                            bool& Exst, bool& FileEnd) {
    FixtSelectWith(&ol::FindClass, FixtRtn, sStri, Rc, Exst, FileEnd);
}

TBanPick::TBanPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi,
                   bool offerPdf) {
    Init(AOwner, Aname, kNoPreselection, multi, false, offerPdf);
}

std::unique_ptr<TBanPick> TBanPick::InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                          bool multi, bool offerPdf) {
    return std::unique_ptr<TBanPick>(new TBanPick(AOwner, Aname, multi, offerPdf));
}

std::string TBanPick::FormPickStr() {
    return ol::Ol().course.rec.Bana.str();
}

void TBanPick::FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                          bool& Exst, bool& FileEnd) {
    FixtSelectWith(&ol::FindCourse, FixtRtn, sStri, Rc, Exst, FileEnd);
}

TKontrPick::TKontrPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi,
                       bool offerPdf) {
    Init(AOwner, Aname, kNoPreselection, multi, false, offerPdf);
}

std::unique_ptr<TKontrPick> TKontrPick::InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                              bool multi, bool offerPdf) {
    return std::unique_ptr<TKontrPick>(new TKontrPick(AOwner, Aname, multi, offerPdf));
}

std::string TKontrPick::FormPickStr() {
    return ol::Ol().control.rec.KodNr.str();
}

void TKontrPick::FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                            bool& Exst, bool& FileEnd) {
    FixtSelectWith(&ol::FindControl, FixtRtn, sStri, Rc, Exst, FileEnd);
}

TRutbPick::TRutbPick(platform::WindowHandle AOwner, std::string_view Aname, bool multi,
                     bool offerPdf) {
    Init(AOwner, Aname, kNoPreselection, multi, false, offerPdf);
}

std::unique_ptr<TRutbPick> TRutbPick::InitM(platform::WindowHandle AOwner, std::string_view Aname,
                                            bool multi, bool offerPdf) {
    return std::unique_ptr<TRutbPick>(new TRutbPick(AOwner, Aname, multi, offerPdf));
}

std::string TRutbPick::FormPickStr() {
    const ol::OlState& ol = ol::Ol();
    const std::string text = Route24InUse()
                                 ? ol.route24.rec.Namn.str() + " " + ol.route24.rec.Text.str()
                                 : ol.route.rec.Namn.str() + " " + ol.route.rec.Text.str();
    return text.substr(0, kMaxRouteTextLength);
}

void TRutbPick::FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                           bool& Exst, bool& FileEnd) {
    FixtSelectWith(Route24InUse() ? &ol::FindRoute24 : &ol::FindRoute, FixtRtn, sStri, Rc, Exst,
                   FileEnd);
}

}  // namespace oltoma::registers
