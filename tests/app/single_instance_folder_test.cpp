// Where the single-copy socket goes when the per-user runtime folder cannot be used.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/single_instance.h"

namespace orvanta {
namespace {

const QString kClass = QStringLiteral("ORVANTA");
const QString kTitle = QStringLiteral("Orvanta");

bool MakeFolder(const QString& path, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    return ::mkdir(name.constData(), 0700) == 0 && ::chmod(name.constData(), mode) == 0;
}

// $TMPDIR is a folder of the test's own; neither $XDG_RUNTIME_DIR nor Qt's fallback for it
// (<temp>/runtime-<user>) can be used, as both have mode 0755. The environment comes back after.
class NoRuntimeFolder {
  public:
    NoRuntimeFolder() : oldTemp_(qgetenv("TMPDIR")), oldRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
        const passwd* user = ::getpwuid(::geteuid());
        const QString fallback =
            QStringLiteral("runtime-%1").arg(QString::fromLocal8Bit(user ? user->pw_name : ""));
        valid_ = user != nullptr && MakeFolder(Temp(), 0755) && MakeFolder(Path("rt"), 0755) &&
                 MakeFolder(QDir(Temp()).filePath(fallback), 0755);
        qputenv("TMPDIR", QFile::encodeName(Temp()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Path("rt")));
    }
    ~NoRuntimeFolder() {
        qputenv("TMPDIR", oldTemp_);
        qputenv("XDG_RUNTIME_DIR", oldRuntime_);
    }
    bool Valid() const {
        return valid_ &&
               QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty();
    }
    QString Path(const char* name) const { return root_.filePath(QString::fromLatin1(name)); }
    QString Temp() const { return Path("tmp"); }
    QString UserFolder() const {  // the user's id is in its name
        return QDir(Temp()).filePath(QStringLiteral("orvanta-%1").arg(::geteuid()));
    }

  private:
    QByteArray oldTemp_, oldRuntime_;
    QTemporaryDir root_;
    bool valid_ = false;
};

TEST(SingleInstanceFolder, WithoutARuntimeFolderTheSocketGoesToAFolderOfTheUsersOwn) {
    NoRuntimeFolder folders;
    ASSERT_TRUE(folders.Valid());
    // Another local user listens first under the name that every user used to share.
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(QDir(folders.Temp()).filePath("orvanta-ORVANTA-Orvanta")));

    SingleInstance first(kClass, kTitle);
    EXPECT_EQ(first.ClaimOrSignal(), SingleInstance::Claim::kFirst);
    EXPECT_EQ(QFileInfo(SingleInstance::ServerPath(kClass, kTitle)).path(), folders.UserFolder());
    EXPECT_EQ(QFileInfo(folders.UserFolder()).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                                 QFile::ExeOwner | QFile::ReadUser |
                                                                 QFile::WriteUser | QFile::ExeUser);
    SingleInstance second(kClass, kTitle);
    EXPECT_EQ(second.ClaimOrSignal(), SingleInstance::Claim::kAlreadyRunning);
}

TEST(SingleInstanceFolder, AFolderThatIsNotTheUsersOwnWithMode0700IsRefused) {
    struct Case {
        const char* name;
        bool (*make)(const NoRuntimeFolder&);  // puts something at UserFolder()
        const char* problemMentions;
    };
    const Case cases[] = {
        {"mode 0755", [](const auto& f) { return MakeFolder(f.UserFolder(), 0755); }, "0755"},
        {"a link to a private folder",
         [](const auto& f) {
             return MakeFolder(f.Path("mine"), 0700) && QFile::link(f.Path("mine"), f.UserFolder());
         },
         "link"},
        // Only the superuser can give a folder away; other users skip this row.
        {"another user's folder",
         [](const auto& f) {
             return MakeFolder(f.UserFolder(), 0700) &&
                    ::chown(QFile::encodeName(f.UserFolder()).constData(), 65534, 65534) == 0;
         },
         "65534"},
    };
    for (const Case& c : cases) {
        NoRuntimeFolder folders;
        ASSERT_TRUE(folders.Valid()) << c.name;
        if (!c.make(folders)) {
            continue;
        }
        SingleInstance copy(kClass, kTitle);
        EXPECT_EQ(copy.ClaimOrSignal(), SingleInstance::Claim::kUnguarded) << c.name;
        EXPECT_TRUE(copy.Problem().contains(folders.UserFolder()) &&
                    copy.Problem().contains(QString::fromLatin1(c.problemMentions)))
            << c.name << ": " << copy.Problem().toStdString();
        // Nothing was put where another user could reach it: only runtime-<user> and the folder.
        EXPECT_EQ(
            QDir(folders.Temp())
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden)
                .size(),
            2)
            << c.name;
    }
}

}  // namespace
}  // namespace orvanta
