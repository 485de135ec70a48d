// Tests of the journal's faults: a damaged file kept aside, a journal that cannot be opened, a lock, a failing write.
#include "journal/journal.h"
#include "tests/support/journal_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace duel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kDate = "20250301-140509";
const GameBegin kGame{"2025-03-01 14:05:09", GameMode::Typed, 0, "1234", "5678"};
const JournalMove kMove{Side::User, {"5678", {0, 0}}, 3};

// A journal with `games` games of two moves each, closed.
void MakeJournal(const std::filesystem::path& path, int games) {
    Journal journal = Journal::Open(path, kDate);
    ASSERT_EQ(journal.status(), JournalStatus::Ready) << journal.error();
    for (int g = 0; g < games; ++g) {
        const auto id = journal.BeginGame(kGame);
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.AddMove(*id, kMove));
        ASSERT_TRUE(journal.AddMove(*id, {Side::Computer, {"1234", {0, 0}}, 6}));
    }
}

void RunSqlOn(const std::filesystem::path& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

// A damaged file is renamed aside with the date, never deleted or changed, with its
// -wal beside it (a fresh file must not take the old -wal's pages); a fresh journal starts.
TEST(JournalFile, ADamagedFileIsKeptAsideAndAFreshJournalStarts) {
    enum class Damage { GarbageWithWal, BrokenPage, AnotherProgramsDatabase };
    for (Damage damage : {Damage::GarbageWithWal, Damage::BrokenPage, Damage::AnotherProgramsDatabase}) {
        SCOPED_TRACE(static_cast<int>(damage));
        TempFolder folder;
        const auto path = folder / "journal.sqlite";
        std::string wal;
        switch (damage) {
            case Damage::GarbageWithWal:
                testing::WriteThenGetKilled([&] {
                    auto* journal = new Journal(Journal::Open(path, kDate));  // never closed: the kill comes first
                    journal->AddMove(*journal->BeginGame(kGame), kMove);
                });
                ASSERT_TRUE(std::filesystem::exists(path.string() + "-wal"));
                wal = std::string(4096, 'w');
                WriteBytes(path.string() + "-wal", wal);
                WriteBytes(path, std::string(8192, 'x'));
                break;
            case Damage::BrokenPage: {
                MakeJournal(path, 300);
                std::string bytes = ReadBytes(path);
                ASSERT_GT(bytes.size(), 4u * 4096);
                for (size_t i = 2 * 4096; i < 3 * 4096; ++i) bytes[i] = static_cast<char>(0xA5);
                WriteBytes(path, bytes);
                break;
            }
            case Damage::AnotherProgramsDatabase:
                RunSqlOn(path, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine')");
                break;
        }
        const std::string original = ReadBytes(path);

        Journal journal = Journal::Open(path, kDate);
        EXPECT_EQ(journal.status(), JournalStatus::StartedAfresh) << journal.error();
        EXPECT_EQ(journal.fault(), JournalFault::Damaged);
        const std::filesystem::path aside = path.string() + ".damaged-" + kDate;
        EXPECT_EQ(journal.damagedCopy(), aside);
        EXPECT_TRUE(ReadBytes(aside) == original) << "the copy aside differs from the damaged file";
        if (!wal.empty()) {
            EXPECT_TRUE(ReadBytes(aside.string() + "-wal") == wal) << "the -wal aside differs";
        }

        EXPECT_FALSE(journal.LastUnfinishedGame());
        EXPECT_TRUE(journal.PlayedGames()->empty());
        const auto id = journal.BeginGame(kGame);
        ASSERT_TRUE(id);
        EXPECT_TRUE(journal.AddMove(*id, kMove));
    }
}

TEST(JournalFile, ASecondDamageOnTheSameDateGetsANameOfItsOwn) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    WriteBytes(path, "first garbage, more than a header's worth of it: " + std::string(200, '1'));
    EXPECT_EQ(Journal::Open(path, kDate).status(), JournalStatus::StartedAfresh);
    WriteBytes(path, "second garbage, more than a header's worth of it: " + std::string(200, '2'));
    const Journal journal = Journal::Open(path, std::string(kDate) + "/../../x");  // only digits and dashes count
    EXPECT_EQ(journal.status(), JournalStatus::StartedAfresh);
    EXPECT_EQ(journal.damagedCopy(), path.string() + ".damaged-" + kDate + "-2");
    EXPECT_EQ(ReadBytes(path.string() + ".damaged-" + kDate).substr(0, 5), "first");
    EXPECT_EQ(ReadBytes(journal.damagedCopy()).substr(0, 6), "second");
}

// The game plays on without a journal it cannot open, and leaves the path alone.
TEST(JournalFile, AJournalThatCannotBeOpenedIsUnavailableAndLeftAlone) {
    TempFolder folder;
    const auto directory = folder / "a folder";
    std::filesystem::create_directory(directory);
    const auto newer = folder / "newer.sqlite";
    MakeJournal(newer, 1);
    RunSqlOn(newer, ("PRAGMA user_version = " + std::to_string(kJournalVersion + 1)).c_str());
    const std::string newerBytes = ReadBytes(newer);

    struct Case {
        std::filesystem::path path;
        JournalFault fault;
    };
    const Case cases[] = {
        {directory, JournalFault::NotAFile},
        {folder / "missing" / "journal.sqlite", JournalFault::CannotWrite},
        {newer, JournalFault::NewerFormat},
    };
    for (const Case& c : cases) {
        Journal journal = Journal::Open(c.path, kDate);
        EXPECT_EQ(journal.status(), JournalStatus::Unavailable) << c.path;
        EXPECT_EQ(journal.fault(), c.fault) << c.path;
        EXPECT_FALSE(journal.writable());
        EXPECT_FALSE(journal.BeginGame(kGame));
        EXPECT_FALSE(journal.AddMove(1, kMove));
        EXPECT_FALSE(journal.EndGame(1, {"t", Outcome::UserWon, 1, 1, 1}));
        EXPECT_FALSE(journal.LastUnfinishedGame());
        EXPECT_FALSE(journal.PlayedGames());
    }
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_TRUE(ReadBytes(newer) == newerBytes) << "the newer journal was changed";
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().string().find("damaged"), std::string::npos) << entry.path();
}

TEST(JournalFile, AFolderThatCannotBeWrittenGivesUnavailable) {
    TempFolder folder;
    const auto existing = folder / "existing.sqlite";
    MakeJournal(existing, 1);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    if (access(folder.path().c_str(), W_OK) == 0) GTEST_SKIP() << "the folder stays writable (run as root)";
    for (const auto& path : {folder / "journal.sqlite", existing}) {
        Journal journal = Journal::Open(path, kDate);
        EXPECT_EQ(journal.status(), JournalStatus::Unavailable) << path;
        EXPECT_EQ(journal.fault(), JournalFault::CannotWrite) << path;
        EXPECT_FALSE(journal.BeginGame(kGame));
    }
}

// Another game holds the write lock: the write fails after the busy timeout
// rather than waiting for it, and the journal stops for the run.
TEST(JournalFile, AnotherGameHoldingTheLockMakesAWriteFailQuickly) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    Journal journal = Journal::Open(path, kDate);
    const auto id = journal.BeginGame(kGame);
    ASSERT_TRUE(id);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(journal.AddMove(*id, kMove));
    // Not a measure of speed: only that the write gave up instead of waiting for the lock.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(journal.status(), JournalStatus::Stopped);
    EXPECT_EQ(journal.fault(), JournalFault::Locked);

    const Journal second = Journal::Open(path, kDate);  // a second game started meanwhile
    EXPECT_EQ(second.status(), JournalStatus::Unavailable);
    EXPECT_EQ(second.fault(), JournalFault::Locked);

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_FALSE(journal.AddMove(*id, kMove));  // stopped until the next run
    EXPECT_TRUE(journal.LastUnfinishedGame());  // what was written can still be read
}

// A write that fails during the run (the file removed, the disk full) is
// reported, never taken for success; the journal stops, and what was written
// before is still there in the next run.
TEST(JournalFile, AWriteThatFailsLaterStopsTheJournal) {
    {
        TempFolder folder;
        const auto path = folder / "journal.sqlite";
        Journal journal = Journal::Open(path, kDate);
        const auto id = journal.BeginGame(kGame);
        ASSERT_TRUE(id);
        for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
        EXPECT_FALSE(journal.AddMove(*id, kMove));
        EXPECT_EQ(journal.status(), JournalStatus::Stopped);
        EXPECT_FALSE(journal.BeginGame(kGame));
    }
    {
        TempFolder folder;
        const auto path = folder / "journal.sqlite";
        Journal journal = Journal::Open(path, kDate);
        const auto id = journal.BeginGame(kGame);
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.AddMove(*id, kMove));

        // No file of this process may grow past its present size (+100 bytes): a full disk
        // as far as the journal's writes go.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldSignal = signal(SIGXFSZ, SIG_IGN);
        const auto size =
            std::max(std::filesystem::file_size(path), std::filesystem::file_size(path.string() + "-wal"));
        rlimit full{static_cast<rlim_t>(size + 100), old.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool written = journal.AddMove(*id, {Side::Computer, {"1234", {0, 0}}, 6});
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldSignal);

        EXPECT_FALSE(written);
        EXPECT_EQ(journal.status(), JournalStatus::Stopped);
        EXPECT_FALSE(journal.AddMove(*id, kMove));

        journal = Journal();  // the run ends
        Journal next = Journal::Open(path, kDate);
        ASSERT_EQ(next.status(), JournalStatus::Ready) << next.error();
        const auto saved = next.LastUnfinishedGame();
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->moves, std::vector<JournalMove>{kMove});
    }
}

}  // namespace
}  // namespace duel
