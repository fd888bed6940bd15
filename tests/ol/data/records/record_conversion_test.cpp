// After a record is read, its listed text fields are converted from the OEM
// code page; other bytes stay as they were. Each test stores OEM text in
// every listed field and in the text fields that are not listed, converts,
// and compares the whole record with the expected bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ol/data/records/club_rec.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/record_text.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"
#include "record_image.h"

namespace oltoma::ol {
namespace {

using testing::BytesOf;
using testing::Differences;

// "Gö" in the OEM code page and in Windows-1252.
const std::string kOem = "G\x94";
const std::string kAnsi = "G\xF6";

template <std::size_t N>
void Fill(ShortString<N>& field, const std::string& text) {
    field = text;
}
void Fill(TLongPathName& field, const std::string& text) {
    field.assign(text);
}
void Fill(AdressLines& lines, const std::string& text) {
    for (Strng22& line : lines.line) {
        line = text;
    }
}

// Applies `fill` with OEM text to a zeroed record (the file as read) and
// with the converted text to another (what the program must hold), converts
// the first and compares. `keep` fills the fields that are not converted.
template <typename Record, typename Listed, typename Kept>
void ExpectConverted(Listed listed, Kept kept) {
    auto read = std::make_unique<Record>();
    auto expected = std::make_unique<Record>();
    listed(*read, kOem);
    listed(*expected, kAnsi);
    kept(*read, kOem);
    kept(*expected, kOem);
    ConvertAfterRead(*read);
    EXPECT_TRUE(BytesOf(*read) == BytesOf(*expected))
        << Differences(BytesOf(*read), BytesOf(*expected));
}

const auto kNothingKept = [](auto&, const std::string&) {};

TEST(RecordConversion, Competition) {
    ExpectConverted<InfoRec>(
        [](InfoRec& r, const std::string& t) {
            Fill(r.Lnr, t);
            Fill(r.Arr, t);
            Fill(r.Tvl, t);
            Fill(r.Date, t);
            Fill(r.Typ, t);
            for (AdressLines& contact : r.adress) {
                Fill(contact, t);
            }
            Fill(r.Avg.ef, t);
            Fill(r.ExtraFileName, t);
            Fill(r.dirklassfilter, t);
        },
        kNothingKept);
}

TEST(RecordConversion, CompetitionDateAndFactorAreCut) {
    InfoRec info{};
    info.Date = "2024-03-04 kl 10" + kOem + "xxxx";  // 22 characters
    info.Avg.ef = "*1.25" + kOem;                    // 7 characters
    ConvertAfterRead(info);
    EXPECT_EQ(info.Date, "2024-03-04 kl 10" + kAnsi + "xx");
    EXPECT_EQ(info.Avg.ef, "*1.25G");
    // Text without OEM letters is cut the same way.
    info.Date = std::string(22, '1');
    ConvertAfterRead(info);
    EXPECT_EQ(info.Date, std::string(20, '1'));
}

TEST(RecordConversion, ClassAndParticipant) {
    ExpectConverted<KlassRec>(
        [](KlassRec& r, const std::string& t) {
            Fill(r.Lnr, t);
            Fill(r.Bet, t);
            Fill(r.SortOrdn, t);
            for (int day = 0; day < kDayCount; ++day) {
                Fill(r.Bana[day], t);
                Fill(r.BanLottn[day], t);
            }
        },
        kNothingKept);
    ExpectConverted<DeltRec>(
        [](DeltRec& r, const std::string& t) {
            Fill(r.NrStr, t);
            Fill(r.Bricka, t);
            for (int day = 0; day < kDayCount; ++day) {
                Fill(r.Namn[day], t);
                Fill(r.DagBana[day], t);
            }
        },
        [](DeltRec& r, const std::string& t) {
            Fill(r.Info, t);
            for (Strng_2& code : r.DagKod) {
                Fill(code, t);
            }
        });
}

TEST(RecordConversion, SharedRegisters) {
    ExpectConverted<ClubRec>(
        [](ClubRec& r, const std::string& t) {
            Fill(r.Dnr, t);
            Fill(r.Namn, t);
            Fill(r.Kort, t);
            for (AdressLines& contact : r.Adress) {
                Fill(contact, t);
            }
        },
        kNothingKept);
    ExpectConverted<DistrRec>(
        [](DistrRec& r, const std::string& t) {
            Fill(r.Dnr, t);
            Fill(r.Dname, t);
            Fill(r.Dkort, t);
        },
        kNothingKept);
    ExpectConverted<RutbRec>(
        [](RutbRec& r, const std::string& t) {
            Fill(r.Namn, t);
            Fill(r.Text, t);
        },
        [](RutbRec& r, const std::string& t) { std::memcpy(r.Body, t.data(), t.size()); });
    ExpectConverted<Rutb24Rec>(
        [](Rutb24Rec& r, const std::string& t) {
            Fill(r.Namn, t);
            Fill(r.Text, t);
        },
        [](Rutb24Rec& r, const std::string& t) { std::memcpy(r.Symbol, t.data(), t.size()); });
}

TEST(RecordConversion, DefinitionsAndClubTable) {
    ExpectConverted<KontrRec>(
        [](KontrRec& r, const std::string& t) {
            Fill(r.KodNr, t);
            for (ShortString<10>& entry : r.R) {
                Fill(entry, t);
            }
        },
        kNothingKept);
    ExpectConverted<TrackRec>(
        [](TrackRec& r, const std::string& t) {
            Fill(r.Bana, t);
            for (Strng_3& code : r.KodNr) {
                Fill(code, t);
            }
        },
        kNothingKept);
    ExpectConverted<CmpClubRec>(
        [](CmpClubRec& r, const std::string& t) {
            Fill(r.PathText, t);
            Fill(r.BackupDirectory, t);
            Fill(r.Text1, t);
            Fill(r.Text2, t);
            Fill(r.Arr, t);
        },
        kNothingKept);
}

}  // namespace
}  // namespace oltoma::ol
