#include "ol/data/files/registers.h"

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "data_layer_fixture.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/store_units.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/record_keys.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/structure_check.h"

namespace oltoma::ol {
namespace {

class Registers : public testing::DataLayerTest {
protected:
    std::int32_t AddClub(std::string_view name) {
        ClearClub();
        Ol().club.rec.Namn = Windows1252FromUtf8(name);
        std::int32_t rc = -1;
        return SaveClub(true, rc) ? rc : 0;
    }

    std::int32_t AddDistrict(std::string_view number, std::string_view name) {
        ClearDistrict();
        Ol().district.rec.Dnr = number;
        Ol().district.rec.Dname = Windows1252FromUtf8(name);
        std::int32_t rc = -1;
        return SaveDistrict(true, rc) ? rc : 0;
    }

    std::int32_t AddControl(std::string_view code) {
        ClearControl();
        Ol().control.rec.KodNr = code;
        std::int32_t rc = -1;
        return SaveControl(true, rc) ? rc : 0;
    }

    std::int32_t AddClass(std::string_view designation) {
        ClearClass();
        Ol().klass.rec.Bet = designation;
        std::int32_t rc = -1;
        return SaveClass(true, rc) ? rc : 0;
    }

    template <typename Find>
    bool Found(Find find, std::string_view key) {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        return find(FindMode::kByKey, key, rc, notFound, ok);
    }

    std::int32_t Used(storage::FileBlock* file) { return storage::UsedRecs(file); }
};

TEST_F(Registers, ClubsAreStoredInUpperCaseUpToTheLimit) {
    const std::int32_t rc = AddClub("ok skogen");
    ASSERT_GT(rc, 0);
    EXPECT_EQ(Ol().club.rc, rc);
    EXPECT_TRUE(Ol().club.changed);
    EXPECT_TRUE(Found(FindClub, "Ok Skogen"));
    EXPECT_EQ(Ol().club.rec.Namn, "OK SKOGEN");
    EXPECT_GT(AddClub(""), 0);
    EXPECT_TRUE(Found(FindClub, "XXX"));

    for (int i = Used(Ol().clubFile); i < kMaxClubs; ++i) {
        ASSERT_GT(AddClub("Klubb " + std::to_string(i)), 0) << i;
    }
    std::int32_t refused = -1;
    ClearClub();
    Ol().club.rec.Namn = "EN TILL";
    EXPECT_FALSE(SaveClub(true, refused));
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(Message(), "För många klubbar >900 kan ej addera!");
    EXPECT_EQ(Used(Ol().clubFile), kMaxClubs);
    EXPECT_FALSE(Found(FindClub, "EN TILL"));
}

TEST_F(Registers, DistrictsHaveALimitAnEmptyKeyAndADeletionNotice) {
    const std::int32_t gothenburg = AddDistrict("07", "Göteborg");
    ASSERT_GT(AddDistrict("", "Okänt"), 0);
    EXPECT_TRUE(Found(FindDistrict, "99"));
    EXPECT_EQ(Utf8FromWindows1252(Ol().district.rec.Dname.view()), "Okänt");
    for (int i = Used(Ol().districtFile); i < kMaxDistricts; ++i) {
        ASSERT_GT(AddDistrict("50", "Fler"), 0) << i;  // numbers may repeat
    }
    EXPECT_EQ(AddDistrict("51", "En för mycket"), 0);
    EXPECT_EQ(Message(), "För många distrikt >100 kan ej addera!");

    // Editing: the old key goes, the record is rewritten with its new key.
    ASSERT_TRUE(DeleteDistrict(FindMode::kByKey, "07", 0, false));
    EXPECT_FALSE(Found(FindDistrict, "07"));
    Ol().district.rec.Dnr = "08";
    std::int32_t rc = gothenburg;
    ASSERT_TRUE(SaveDistrict(false, rc));
    EXPECT_TRUE(Found(FindDistrict, "08"));
    EXPECT_EQ(Used(Ol().districtFile), kMaxDistricts);

    ASSERT_TRUE(DeleteDistrict(FindMode::kByKey, "08", 0, true));
    EXPECT_EQ(Message(), "Distriktet 08 \"Göteborg\", raderad....");
    EXPECT_EQ(Ol().district.rc, 0);
    EXPECT_EQ(Used(Ol().districtFile), kMaxDistricts - 1);
    EXPECT_FALSE(DeleteDistrict(FindMode::kByNumber, {}, gothenburg, true));  // already gone
}

TEST_F(Registers, AControlThatACourseUsesCannotBeDeleted) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_TRUE(OpenDefinitionFiles());
    const std::int32_t rc = AddControl("31");
    ASSERT_GT(rc, 0);
    AddControlUse(Ol().clubTable, rc, 1);
    SetMessageLine("");
    EXPECT_FALSE(DeleteControl(FindMode::kByKey, "31", 0, true));
    EXPECT_EQ(Message(), "Kan ej radera denna kontroll då den används av någon bana.");
    EXPECT_TRUE(Found(FindControl, "31"));

    // A count below 0 (a damaged table) uses the control no more than 0.
    AddControlUse(Ol().clubTable, rc, -2);
    ASSERT_TRUE(DeleteControl(FindMode::kByKey, "31", 0, true));
    EXPECT_EQ(Message(), "Kontroll ,kodnr. \"31\", raderad...");
    EXPECT_FALSE(Found(FindControl, "31"));
}

TEST_F(Registers, DeletingACourseReleasesItsControls) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_TRUE(OpenDefinitionFiles());
    const std::int32_t first = AddControl("31");
    const std::int32_t second = AddControl("32");
    const std::int32_t uncounted = AddControl("33");
    AddControlUse(Ol().clubTable, first, 1);
    AddControlUse(Ol().clubTable, second, 2);

    ClearCourse();
    TrackRec& course = Ol().course.rec;
    course.Bana = "A";
    course.KodNr[0] = "31";
    course.KodNr[1] = "32";
    course.KodNr[2] = "99";  // not in the control file
    course.KodNr[3] = "33";  // counted by nobody: the count stays at 0
    course.Antal = 32000;    // as a damaged file might say: only 35 slots are read
    course.KodNr[34] = "32";
    std::int32_t rc = 0;
    ASSERT_TRUE(SaveCourse(true, rc));

    ASSERT_TRUE(DeleteCourse(FindMode::kByKey, "a", 0, true));
    EXPECT_EQ(Message(), "Banan \"A\", raderad...");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, first), 0);
    EXPECT_EQ(ControlUseOf(Ol().clubTable, second), 0);
    EXPECT_EQ(ControlUseOf(Ol().clubTable, uncounted), 0);
}

TEST_F(Registers, ClassesGetTheirSortKeyAndAreWalkedInDesignationOrder) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_EQ(AddClass("H21E"), 1);
    EXPECT_EQ(Ol().klass.rec.SortOrdn, "00079EH21E");
    EXPECT_EQ(Ol().klass.rec.Lnr, "01");
    AddClass("D16");
    AddClass("INS");
    EXPECT_EQ(Ol().klass.rec.SortOrdn, "9INSINS");

    std::vector<std::string> order;
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindClass(FindMode::kReset, {}, rc, notFound, ok);
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(ok);
    while (FindClass(FindMode::kNext, {}, rc, notFound, ok)) {
        order.push_back(Ol().klass.rec.Bet.str());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"D16", "H21E", "INS"}));
    EXPECT_TRUE(notFound);

    ASSERT_TRUE(FindClass(FindMode::kSearch, "E", rc, notFound, ok));
    EXPECT_EQ(Ol().klass.rec.Bet, "H21E");

    // Manual order: an empty key becomes the slot count after adding - 1 and
    // the class's number.
    Ol().competition.rec.mankordn = 1;
    AddClass("H10");
    AddClass("D10");
    EXPECT_EQ(Ol().klass.rec.SortOrdn, "000505");
}

TEST_F(Registers, AParticipantBringsItsClassAndClub) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    const std::int32_t klass = AddClass("D16");
    const std::int32_t club = AddClub("IFK Lidingö");
    ClearParticipant();
    Ol().participant.rec.NrStr = "0007";
    Ol().participant.rec.KlassRc = klass;
    Ol().participant.rec.ClubRc = club;
    std::int32_t rc = 0;
    ASSERT_TRUE(SaveParticipant(true, rc));

    ClearClass();
    ClearClub();
    ASSERT_TRUE(Found(FindParticipant, "0007"));
    EXPECT_EQ(Ol().klass.rec.Bet, "D16");
    EXPECT_EQ(Utf8FromWindows1252(Ol().club.rec.Namn.view()), "IFK LIDINGÖ");

    // The club is deleted behind the participant's back.
    storage::DeleteKey(Ol().clubFile, 1, club, ClubKey(Ol().club.rec.Namn));
    storage::DeleteRec(Ol().clubFile, club);
    ClearClub();
    ASSERT_TRUE(Found(FindParticipant, "0007"));
    EXPECT_EQ(Utf8FromWindows1252(Ol().club.rec.Namn.view()), "Raderad/okänd klubb");

    // Record numbers from a damaged file find nothing and read nothing.
    for (const std::int32_t bad : {-5, 0, 1 << 30}) {
        Ol().participant.rec.KlassRc = bad;
        Ol().participant.rec.ClubRc = bad;
        storage::PutRec(Ol().participantFile, rc, &Ol().participant.rec);
        ClearClass();
        ASSERT_TRUE(Found(FindParticipant, "0007")) << bad;
        EXPECT_EQ(Ol().klass.rc, 0) << bad;
        EXPECT_EQ(Utf8FromWindows1252(Ol().club.rec.Namn.view()), "Raderad/okänd klubb");
    }
}

// A save whose write fails at any point leaves the file as it was and names
// the file; a full disk reads as the write-failure message, not as an
// unknown number.
TEST_F(Registers, AFailedSaveLeavesTheFileAsItWas) {
    ASSERT_GT(AddClub("Först"), 0);
    const long start = storage::fault::Writes();
    ASSERT_GT(AddClub("Mätning"), 0);
    const long writesOfASave = storage::fault::Writes() - start;
    ASSERT_GT(writesOfASave, 2);
    const std::int32_t used = Used(Ol().clubFile);

    const struct {
        int errnoValue;
        const char* message;
    } kFailures[] = {{EIO, "CLUBAR: Btree: "}, {ENOSPC, "CLUBAR: Skrivfel på skivan"}};
    for (const auto& failure : kFailures) {
        for (long failing = 1; failing <= writesOfASave; ++failing) {
            storage::fault::FailWriteAt(failing, failure.errnoValue);
            SetMessageLine("");
            EXPECT_EQ(AddClub("Ny"), 0) << failing;
            EXPECT_EQ(Message().rfind(failure.message, 0), 0u) << failing << " " << Message();
            EXPECT_EQ(Used(Ol().clubFile), used) << failing;
            EXPECT_FALSE(Found(FindClub, "NY")) << failing;
            EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().clubFile).empty()) << failing;
        }
    }
    EXPECT_GT(AddClub("Ny"), 0);
}

// A data directory on a tmpfs of 64 kB, where the test may mount one (as
// root with the right to mount); the real disk-full error of the kernel, not
// one injected through the fault seam.
class FullDisk : public Registers {
protected:
    bool WithCommonFiles() const override { return false; }

    void SetUp() override {
        Registers::SetUp();
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                         << "); the full disk is tested through the fault seam";
        }
        mounted_ = true;
        ASSERT_TRUE(CreateCommonFiles());
        ASSERT_TRUE(OpenCommonFiles());
    }

    void TearDown() override {
        Registers::TearDown();
        if (mounted_) {
            ::umount2(folder.c_str(), MNT_DETACH);
        }
    }

private:
    bool mounted_ = false;
};

TEST_F(FullDisk, AFullDiskNamesTheFileAndKeepsItsData) {
    std::int32_t used = Used(Ol().clubFile);
    int added = 0;
    for (; added < 200 && AddClub("Klubb " + std::to_string(added)) > 0; ++added) {
        used = Used(Ol().clubFile);
    }
    ASSERT_LT(added, 200) << "the disk did not fill";
    EXPECT_EQ(Message().rfind("CLUBAR: Skrivfel på skivan", 0), 0u) << Message();
    EXPECT_EQ(Used(Ol().clubFile), used);
    EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().clubFile).empty());
    for (int i = 0; i < added; ++i) {
        EXPECT_TRUE(Found(FindClub, ClubKey("Klubb " + std::to_string(i)))) << i;
    }
}

// Each store is one unit: a crash at any write or flush of a class stored
// with its two keys, of a district rewritten under a new number, or of a
// district deleted with its key leaves the store whole or not there at all.
TEST_F(Registers, AStoreIsWholeOrAbsentAfterACrash) {
    NewCompetition("Tävling");
    ASSERT_GT(AddDistrict("01", "Norr"), 0);
    ASSERT_GT(AddDistrict("02", "Söder"), 0);
    const auto rewriteDistrict = [this] {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        FindDistrict(FindMode::kByKey, "02", rc, notFound, ok);
        Ol().district.rec.Dnr = "07";
        SaveDistrict(false, rc);
    };
    const struct {
        const char* what;
        std::function<void()> store;
        std::function<bool()> stored;
        std::function<bool()> absent;
    } cases[] = {
        {"class with two keys", [this] { AddClass("H21"); },
         [this] { return Found(FindClass, "H21") && Used(Ol().classFile) == 1; },
         [this] { return !Found(FindClass, "H21") && Used(Ol().classFile) == 0; }},
        {"district under a new number", rewriteDistrict,
         [this] { return Found(FindDistrict, "07") && !Found(FindDistrict, "02"); },
         [this] { return Found(FindDistrict, "02") && !Found(FindDistrict, "07"); }},
        {"district deleted with its key", [] { DeleteDistrict(FindMode::kByKey, "01", 0, true); },
         [this] { return !Found(FindDistrict, "01") && Used(Ol().districtFile) == 1; },
         [this] { return Found(FindDistrict, "01") && Used(Ol().districtFile) == 2; }},
    };
    const std::vector<std::string> files = {"KLASS01", "DISTR"};
    const auto snapshot = [&] {
        std::vector<std::string> bytes;
        for (const std::string& base : files) {
            for (const char* extension : {".DAT", ".IX", ".DIA"}) {
                std::ifstream in(folder / (base + extension), std::ios::binary);
                bytes.emplace_back(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
            }
        }
        return bytes;
    };
    const auto restore = [&](const std::vector<std::string>& bytes) {
        std::size_t i = 0;
        for (const std::string& base : files) {
            for (const char* extension : {".DAT", ".IX", ".DIA"}) {
                std::ofstream(folder / (base + extension), std::ios::binary | std::ios::trunc)
                    << bytes[i++];
            }
        }
    };
    const auto restart = [this] {
        OlShutdown();
        storage::fault::Restart();
        ASSERT_TRUE(OlStartup({}));
        ASSERT_TRUE(OpenCommonFiles());
        SelectCompetition(true, 1);
    };
    for (const auto& c : cases) {
        CloseParticipantFiles();
        const auto start = snapshot();
        SelectCompetition(true, 1);
        const long writes0 = storage::fault::Writes();
        const long flushes0 = storage::fault::Flushes();
        c.store();
        const long writes = storage::fault::Writes() - writes0;
        const long flushes = storage::fault::Flushes() - flushes0;
        ASSERT_TRUE(c.stored()) << c.what;
        for (long n = 1; n <= writes + flushes; ++n) {
            for (const auto kind :
                 {storage::fault::CrashKind::KeepWrites, storage::fault::CrashKind::LoseUnsynced,
                  storage::fault::CrashKind::ZeroUnsyncedAppends}) {
                CloseParticipantFiles();
                restore(start);
                SelectCompetition(true, 1);
                if (n <= writes) {
                    storage::fault::CrashAtWrite(n, kind);
                } else {
                    storage::fault::CrashAtFlush(n - writes, kind);
                }
                c.store();
                restart();
                EXPECT_TRUE(c.stored() || c.absent()) << c.what << " crash point " << n;
                EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().districtFile).empty());
                EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().classFile).empty());
            }
        }
        CloseParticipantFiles();
        restore(start);
        SelectCompetition(true, 1);
        c.store();
    }
}

// Save without add rewrites a record and replaces the keys it changed in one
// store, whether or not the old key was deleted first.
TEST_F(Registers, ARewriteReplacesTheKeysItChanges) {
    const std::int32_t rc = AddDistrict("03", "Väster");
    ASSERT_GT(rc, 0);
    std::int32_t at = rc;
    Ol().district.rec.Dnr = "04";
    ASSERT_TRUE(SaveDistrict(false, at));
    EXPECT_TRUE(Found(FindDistrict, "04"));
    EXPECT_FALSE(Found(FindDistrict, "03"));
    ASSERT_TRUE(DeleteDistrict(FindMode::kByNumber, {}, rc, false));
    Ol().district.rec.Dnr = "05";
    ASSERT_TRUE(SaveDistrict(false, at));
    EXPECT_TRUE(Found(FindDistrict, "05"));
    EXPECT_FALSE(Found(FindDistrict, "04"));
    Ol().district.rec.Dname = Windows1252FromUtf8("Öster");
    ASSERT_TRUE(SaveDistrict(false, at)) << "an unchanged key stays";
    EXPECT_TRUE(Found(FindDistrict, "05"));
    EXPECT_EQ(Used(Ol().districtFile), 1);
    EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().districtFile).empty());
}

// A long run of stores goes in units of 256 operations, each made durable
// with four syncs; a failure undoes only the stores since the last commit,
// and a record that was just added is not written twice when storing did
// not change it.
TEST_F(Registers, ARunStoresInUnitsOf256Operations) {
    storage::FileBlock* file = Ol().clubFile;
    {
        StoreRun run(file);
        ASSERT_TRUE(run.Next());
        ASSERT_GT(AddClub("Första"), 0);
        EXPECT_EQ(storage::StoreUnitOperations(file), 2) << "AddRec and AddKey, no PutRec";
        const long flushes = storage::fault::Flushes();
        for (int i = 1; i < 300; ++i) {
            ASSERT_TRUE(run.Next());
            ASSERT_GT(AddClub("Klubb " + std::to_string(i)), 0);
        }
        ASSERT_TRUE(run.Finish());
        EXPECT_EQ(run.Committed(), 300);
        EXPECT_EQ(storage::fault::Flushes() - flushes, 12) << "units of 128, 128 and 44 stores";
    }
    EXPECT_EQ(Used(file), 300);
    {
        StoreRun run(file);
        for (int i = 0; i < 200 && !HasFailure(); ++i) {
            ASSERT_TRUE(run.Next());
            if (i == 150) {
                storage::fault::FailWriteAt(1);
            }
            if (AddClub("Mer " + std::to_string(i)) == 0) {
                break;
            }
        }
        EXPECT_FALSE(run.Finish());
        EXPECT_EQ(run.Committed(), 128);
    }
    EXPECT_EQ(Used(file), 428);
    EXPECT_TRUE(storage::CheckFileBlockStructure(file).empty());
}

}  // namespace
}  // namespace oltoma::ol
