// Replacing a file as users have them: behind symbolic links, owned by someone
// else, in folders they cannot write, with further names, and interrupted.
#ifndef _WIN32
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace pelin::platform {
namespace {

using pelin::testing::TempDir;

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<std::string>;

TEST(Replacing, AFileWithFurtherNamesStaysOneFile) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    std::filesystem::create_hard_link(page, dir / "same.htm");
    ASSERT_TRUE(replaceFile(page, "new"));
    EXPECT_EQ(TempDir::read(dir / "same.htm"), "new");
#ifndef _WIN32  // the C++ library on Windows counts no links
    EXPECT_EQ(std::filesystem::hard_link_count(page), 2u);
#endif
    EXPECT_EQ(namesIn(dir.path()), (Names{"page.htm", "same.htm"}));
}

TEST(Replacing, AProducerThatFailsLeavesTheOldFileAndNothingElse) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    const auto halfThen = [](auto thrown) {
        return [thrown](const ChunkWriter& write) {
            write("half a page");
            throw thrown;
        };
    };
    const Result<> cancelled = replaceFileWith(page, halfThen(WriteAbandoned{}));
    ASSERT_FALSE(cancelled);
    EXPECT_EQ(cancelled.error().kind, FileErrorKind::Cancelled);
    const Result<> outOfMemory = replaceFileWith(page, halfThen(std::bad_alloc{}));
    ASSERT_FALSE(outOfMemory);
    EXPECT_EQ(outOfMemory.error().kind, FileErrorKind::OutOfMemory);
    EXPECT_THROW((void)replaceFileWith(page, halfThen(std::runtime_error("a fault"))), std::runtime_error);
    EXPECT_FALSE(replaceFileWith(dir / "new.htm", halfThen(WriteAbandoned{})));

    EXPECT_EQ(TempDir::read(page), "old");
    EXPECT_EQ(namesIn(dir.path()), Names{"page.htm"});
}

TEST(Replacing, TwoWritersInPlaceNeverMixTheirContent) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    std::filesystem::create_hard_link(page, dir / "link.htm");
    const std::string a(16 << 20, 'a');
    const std::string b(16 << 20, 'b');
#ifdef _WIN32
    constexpr int kRounds = 3;  // each round is slow under Wine
#else
    constexpr int kRounds = 10;
#endif
    for (int round = 0; round < kRounds; ++round) {
        std::thread other([&] { (void)replaceFile(page, b); });
        (void)replaceFile(page, a);
        other.join();
        const std::string now = TempDir::read(page);
        ASSERT_TRUE(now == a || now == b) << "round " << round;
    }
}

// Links, owners, folder rights, killing and interrupts as POSIX systems have
// them; Windows has its own in files_win_test.cpp.
#ifndef _WIN32

// Runs `body` in a child process; its exit status, or 1000 + the signal that ended it.
int inChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
}

constexpr uid_t kNobody = 65534;

TEST(Replacing, SymbolicLinksAreFollowedAndStay) {
    TempDir dir;
    std::filesystem::create_directory(dir / "site");
    std::filesystem::create_directory(dir / "links");
    const auto page = dir.write("site/page.htm", "old");
    std::filesystem::create_symlink("../site/page.htm", dir / "links" / "page.htm");
    std::filesystem::create_symlink(dir / "links" / "page.htm", dir / "chain.htm");  // a link to a link

    ASSERT_TRUE(replaceFile(dir / "chain.htm", "new"));
    EXPECT_EQ(TempDir::read(page), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "chain.htm"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "links" / "page.htm"));
    EXPECT_EQ(namesIn(dir / "site"), Names{"page.htm"});

    // A link to a file not there yet makes the file where the link points.
    std::filesystem::create_symlink("site/made.htm", dir / "made-link.htm");
    ASSERT_TRUE(replaceFile(dir / "made-link.htm", "made"));
    EXPECT_EQ(TempDir::read(dir / "site" / "made.htm"), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "made-link.htm"));

    std::filesystem::create_symlink("b", dir / "a");
    std::filesystem::create_symlink("a", dir / "b");
    const Result<> circle = replaceFile(dir / "a", "x");
    ASSERT_FALSE(circle);
    EXPECT_EQ(circle.error().kind, FileErrorKind::TooManyLinks);
    EXPECT_EQ(circle.error().path, dir / "a");
}

TEST(Replacing, OwnerGroupAndPermissionsAreKept) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    ::chmod(page.c_str(), 0640);
    // Only the super-user can hand a file to someone else, and only the
    // super-user's replacement could take it from them.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(page.c_str(), 12345, 23456), 0);
    }
    ASSERT_TRUE(replaceFile(page, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(page.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
    }
    EXPECT_EQ(TempDir::read(page), "new");
    EXPECT_EQ(namesIn(dir.path()), Names{"page.htm"});
}

TEST(Replacing, AWritableFileInAFolderTheUserCannotWriteIsWrittenInPlace) {
    TempDir dir;
    const auto folder = dir / "locked";
    std::filesystem::create_directory(folder);
    const auto page = dir.write("locked/page.htm", "the old page, longer than the new one");
    struct stat before {};
    ::stat(page.c_str(), &before);
    // The super-user may write anywhere: the replacement runs as an ordinary user.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(page.c_str(), kNobody, kNobody), 0);
    }
    ::chmod(folder.c_str(), 0555);
    const int status = inChild([&] {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 2;
        return replaceFile(page, "new page") ? 0 : 1;
    });
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempDir::read(page), "new page");
    struct stat after {};
    ::stat(page.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(namesIn(folder), Names{"page.htm"});
}

struct Writer {
    pid_t pid;
    bool started;  // part of the new page is written
};

// Starts a child that replaces `page` with a page that never ends, and waits
// until part of it is written.
Writer startEndlessWriter(const std::filesystem::path& page, bool hideProc) {
    int ready[2];
    if (::pipe(ready) != 0) return {-1, false};
    const pid_t child = ::fork();
    if (child != 0) {
        ::close(ready[1]);
        char c = 0;
        const bool started = ::read(ready[0], &c, 1) == 1;
        ::close(ready[0]);
        return {child, started};
    }
    // Without /proc an unnamed file cannot be given a name, so the new content
    // goes to a hidden named file from the start. Hiding /proc takes a mount
    // namespace of the child's own, which only a privileged user may make.
    if (hideProc && (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                     ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0))
        ::_exit(77);
    removeTemporaryFilesOnInterrupt();
    (void)replaceFileWith(page, [&](const ChunkWriter& write) {
        const std::string block(1 << 20, 'x');
        for (int i = 0;; ++i) {
            write(block);
            if (i == 3 && ::write(ready[1], "!", 1) != 1) ::_exit(3);
            ::usleep(1000);
        }
    });
    ::_exit(1);
}

TEST(Replacing, AWriterKilledMidwayLeavesTheOldFileAndNothingElse) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    const Writer writer = startEndlessWriter(page, false);
    ASSERT_TRUE(writer.started);
    ::kill(writer.pid, SIGKILL);
    ::waitpid(writer.pid, nullptr, 0);
    EXPECT_EQ(TempDir::read(page), "old");
    EXPECT_EQ(namesIn(dir.path()), Names{"page.htm"});
}

TEST(Replacing, AnInterruptRemovesANamedTemporaryFile) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    const Writer writer = startEndlessWriter(page, true);
    if (writer.started) {
        EXPECT_EQ(namesIn(dir.path()).size(), 2u);  // the page and the hidden new one
        ::kill(writer.pid, SIGINT);
    }
    int status = 0;
    ::waitpid(writer.pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace to hide /proc in";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);  // ended as the interrupt ends a program
    EXPECT_EQ(TempDir::read(page), "old");
    EXPECT_EQ(namesIn(dir.path()), Names{"page.htm"});
}

// A file system of 1 MiB of the child's own at `folder`; false where the
// system lets no mount namespace be made.
bool mountSmallDisk(const std::filesystem::path& folder) {
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("none", folder.c_str(), "tmpfs", 0, "size=1m") == 0;
}

TEST(Replacing, AFileWrittenInPlaceThatWouldNotFitStaysWhole) {
    TempDir dir;
    std::filesystem::create_directory(dir / "disk");
    const std::string old(300'000, 'o');
    const int status = inChild([&] {
        if (!mountSmallDisk(dir / "disk")) return 77;
        const auto page = dir.write("disk/page.htm", old);
        std::filesystem::create_hard_link(page, dir / "disk" / "link.htm");
        // The new content fits beside the old page, but not in its place.
        const Result<> written = replaceFile(page, std::string(600'000, 'n'));
        if (written || written.error().kind != FileErrorKind::DiskFull) return 1;
        return TempDir::read(page) == old && TempDir::read(dir / "disk" / "link.htm") == old ? 0 : 2;
    });
    if (status == 77) GTEST_SKIP() << "no mount namespace for a small file system";
    EXPECT_EQ(status, 0);
}

TEST(Replacing, AnInterruptDuringACopyInPlaceWaitsForItsEnd) {
    TempDir dir;
    const std::string old(40 << 20, 'o');
    const auto page = dir.write("page.htm", old);
    std::filesystem::create_hard_link(page, dir / "link.htm");
    const std::string fresh(32 << 20, 'n');
    int produced[2];
    ASSERT_EQ(::pipe(produced), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // As the window program does: nothing installed for the signal.
        (void)replaceFileWith(page, [&](const ChunkWriter& write) {
            write(fresh);
            if (::write(produced[1], "!", 1) != 1) ::_exit(3);
        });
        ::_exit(0);
    }
    ::close(produced[1]);
    char c = 0;
    ASSERT_EQ(::read(produced[0], &c, 1), 1);
    // Once the first new byte is there, the copy over the old content is under way.
    const int watched = ::open(page.c_str(), O_RDONLY);
    int status = 0;
    pid_t ended = 0;
    while (::pread(watched, &c, 1, 0) == 1 && c == 'o' && (ended = ::waitpid(child, &status, WNOHANG)) == 0) {
    }
    ::close(watched);
    ::kill(child, SIGTERM);
    if (ended == 0) ::waitpid(child, &status, 0);
    ::close(produced[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    const std::string now = TempDir::read(page);
    EXPECT_TRUE(now == fresh || now == old);  // and never part of each
}

// The access list as the system stores it: its version, then each entry's tag,
// permissions and user.
std::string accessList(std::initializer_list<std::array<std::uint32_t, 3>> entries) {
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    };
    put(2, 4);
    for (const auto& [tag, permissions, user] : entries) {
        put(tag, 2);
        put(permissions, 2);
        put(user, 4);
    }
    return bytes;
}

TEST(Replacing, AccessListAndAttributesGoWithTheNewFileAndNothingIsOpenedUp) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    ::chmod(page.c_str(), 0640);
    constexpr std::uint32_t kAnyone = 0xFFFFFFFF;
    const std::string acl = accessList({{0x01, 6, kAnyone},    // owner rw-
                                        {0x02, 6, 1},          // user 1 rw-
                                        {0x04, 4, kAnyone},    // group r--
                                        {0x10, 6, kAnyone},    // mask rw-
                                        {0x20, 0, kAnyone}});  // others ---
    if (::setxattr(page.c_str(), "user.note", "kept", 4, 0) != 0 ||
        ::setxattr(page.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "no extended attributes or access lists here";
    struct stat before {};
    ASSERT_EQ(::stat(page.c_str(), &before), 0);

    ASSERT_TRUE(replaceFile(page, "new"));
    struct stat after {};
    ASSERT_EQ(::stat(page.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    char value[256];
    const ssize_t note = ::getxattr(page.c_str(), "user.note", value, sizeof value);
    EXPECT_EQ(std::string(value, note > 0 ? static_cast<std::size_t>(note) : 0), "kept");
    const ssize_t list = ::getxattr(page.c_str(), "system.posix_acl_access", value, sizeof value);
    EXPECT_EQ(std::string(value, list > 0 ? static_cast<std::size_t>(list) : 0), acl);
    EXPECT_EQ(TempDir::read(page), "new");
}

#endif

}  // namespace
}  // namespace pelin::platform
