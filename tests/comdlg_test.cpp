// The open and save dialogs: the folder rule, the filters, the result rule,
// and once through Qt's real dialog.

#include "dialogs/COMDLG.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Dialogs : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    QTemporaryDir other;
};

TEST_F(Dialogs, InitialFolderRule)
{
    const QString existing = other.path();
    const QString program = scripted.programFolder();
    QFile file(existing + QStringLiteral("/plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDir(existing).mkdir(QStringLiteral("with blank ü"));
    const struct {
        QString given, expected;
    } cases[] = {
        {QString(), program},
        {QStringLiteral("   "), program},
        {existing, existing + QLatin1Char('/')},
        {existing + QLatin1Char('/'), existing + QLatin1Char('/')},
        {existing + QStringLiteral("/with blank ü"), existing + QStringLiteral("/with blank ü/")},
        {existing + QStringLiteral("/no such folder"), program},
        {existing + QStringLiteral("/plain.txt"), program},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        QString initDir = c.given;
        scripted.fileDialogs.clear();
        COMDLG::ShowOpen(nullptr, QStringLiteral("Open"), initDir, QStringLiteral("A|*.a"), 0);
        EXPECT_EQ(initDir, c.expected) << "the caller's variable holds the outcome";
        ASSERT_EQ(scripted.fileDialogs.size(), 1u);
        EXPECT_EQ(scripted.fileDialogs[0].initialFolder, c.expected);
    }
}

TEST(DialogFilter, EachDescriptionKeepsItsOwnText)
{
    const struct {
        QString filter;
        QStringList expected;
    } cases[] = {
        {QStringLiteral("FLV Files(*.FLV)|*.flv|All(*.*)|*.*"),
         {QStringLiteral("FLV Files(*.FLV) (*.flv)"), QStringLiteral("All(*.*) (*)")}},
        {QStringLiteral("Only|*.x"), {QStringLiteral("Only (*.x)")}},
        {QStringLiteral("Pictures|*.png;*.jpg"), {QStringLiteral("Pictures (*.png *.jpg)")}},
        {QStringLiteral("|*.x|Lone"), {QStringLiteral("*.x (*.x)"), QStringLiteral("Lone (*)")}},
        {QString(), {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        EXPECT_EQ(COMDLG::ConvertFilter(c.filter), c.expected);
    }
}

TEST_F(Dialogs, ResultIsTheChosenPathWithinTheByteLimitOrEmpty)
{
    const QString dir = QStringLiteral("/d/");
    const QString ascii254 = dir + QString(254 - dir.size(), QLatin1Char('a'));
    // Each 'é' is two bytes in UTF-8.
    const QString accented254 = dir + QString(125, QChar(0xe9)) + QStringLiteral("x");
    const QString accented255 = accented254 + QStringLiteral("x");
    const struct {
        const char *what;
        std::optional<QString> chosen;
        QString expected;
    } cases[] = {
        {"cancelled", std::nullopt, QString()},
        {"blanks and letters", QStringLiteral("/home/u/My Films/Été 1.flv"),
         QStringLiteral("/home/u/My Films/Été 1.flv")},
        {"254 bytes", ascii254, ascii254},
        {"255 bytes", ascii254 + QLatin1Char('b'), QString()},
        {"254 bytes in 129 characters", accented254, accented254},
        {"255 bytes in 130 characters", accented255, QString()},
    };
    ASSERT_EQ(ascii254.toUtf8().size(), 254);
    ASSERT_EQ(accented255.toUtf8().size(), 255);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QString initDir;
        scripted.fileAnswers = {c.chosen};
        EXPECT_EQ(COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir, QStringLiteral("A|*.a"),
                                   COMDLG::OFN_LONGNAMES),
                  c.expected);
        scripted.fileAnswers = {c.chosen};
        EXPECT_EQ(COMDLG::ShowOpen(nullptr, QStringLiteral("Open"), initDir, QStringLiteral("A|*.a"),
                                   COMDLG::OFN_LONGNAMES),
                  c.expected);
    }
}

TEST_F(Dialogs, FlagsAskForNoExistenceTestAndNoOverwritePrompt)
{
    QString initDir;
    COMDLG::ShowOpen(nullptr, QStringLiteral("Open"), initDir, QStringLiteral("A|*.a"), 0x200008);
    COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir, QStringLiteral("A|*.a"), 0x200004);
    COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir, QStringLiteral("A|*.a"),
                     COMDLG::OFN_OVERWRITEPROMPT | COMDLG::OFN_FILEMUSTEXIST);
    ASSERT_EQ(scripted.fileDialogs.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(scripted.fileDialogs[i].fileMustExist);
        EXPECT_FALSE(scripted.fileDialogs[i].confirmOverwrite);
    }
    EXPECT_TRUE(scripted.fileDialogs[2].fileMustExist);
    EXPECT_TRUE(scripted.fileDialogs[2].confirmOverwrite);
}

// The stand-in, but with Qt's real file dialog.
class RealDialogPlatform : public ScriptedPlatform {
public:
    std::optional<QString> fileDialog(const FileDialogRequest &request) override
    {
        return QtDesktop::fileDialog(request);
    }
};

QStringList shownNames(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    if (!view)
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// Answers the next modal file dialog from inside its own event loop.
void whenDialogOpens(const std::function<void(QFileDialog *)> &act)
{
    QTimer::singleShot(0, [act] {
        QFileDialog *dialog = nullptr;
        const bool open = QTest::qWaitFor(
            [&] {
                dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                return dialog != nullptr;
            },
            5000);
        if (open)
            act(dialog);
        // A dialog the answer did not close would hold the test for ever.
        if (open && dialog->isVisible())
            dialog->reject();
    });
}

void typeAndAccept(QFileDialog *dialog, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    // A message box the dialog puts up (not found, replace?) is closed
    // unanswered after a while, so that a wrong one fails the test, not hangs it.
    QTimer guard;
    guard.setInterval(3000);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->reject();
    });
    guard.start();
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(RealFileDialog, ShowsTheFoldersFiltersAndHandsBackTheTypedPath)
{
    RealDialogPlatform real;
    QTemporaryDir folder;
    for (const char *name : {"CLIP.FLV", "other.flv", "notes.txt"}) {
        QFile f(folder.path() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString title, directory;
    QStringList filterTexts, names;
    whenDialogOpens([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        if (auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
            for (int i = 0; i < types->count(); ++i)
                filterTexts << types->itemText(i);
        (void)QTest::qWaitFor([&] { return shownNames(dialog).size() >= 2; }, 5000);
        names = shownNames(dialog);
        typeAndAccept(dialog, folder.path() + QStringLiteral("/new name é.flv"));
    });
    QString initDir = folder.path();
    const QString chosen = COMDLG::ShowOpen(nullptr, QStringLiteral("Open"), initDir,
                                            QStringLiteral("FLV Files(*.FLV)|*.flv|All(*.*)|*.*"), 0x200008);
    EXPECT_EQ(title, QStringLiteral("Open"));
    EXPECT_EQ(directory, folder.path());
    EXPECT_EQ(filterTexts, (QStringList{"FLV Files(*.FLV)", "All(*.*)"}));
    EXPECT_EQ(names, (QStringList{"CLIP.FLV", "other.flv"})) << "patterns match without regard to case";
    EXPECT_EQ(chosen, folder.path() + QStringLiteral("/new name é.flv"))
        << "a typed name is handed back although no such file exists";
}

TEST(RealFileDialog, SaveTakesAnExistingFileWithoutAskingAndCancelGivesEmpty)
{
    RealDialogPlatform real;
    QTemporaryDir folder;
    const QString existing = folder.path() + QStringLiteral("/old.avi");
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    whenDialogOpens([&](QFileDialog *dialog) { typeAndAccept(dialog, existing); });
    QString initDir = folder.path();
    EXPECT_EQ(COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir,
                               QStringLiteral("AVI Files(*.AVI)|*.avi"), 0x200004),
              existing);

    whenDialogOpens([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir,
                               QStringLiteral("AVI Files(*.AVI)|*.avi"), 0x200004),
              QString());
}

const QString SaveFilter = QStringLiteral(
    "AVI Files(*.AVI)|*.avi|WMV Files(*.wmv) - Zune/Pocket PC|*.wmv|MOV Files(*.mov) - QuickTime|*.mov|"
    "All(*.*)|*.*");

// Every file below the test's own HOME and XDG folders.
QStringList filesUnderTheUsersFolders()
{
    QStringList files;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        const QString top = qEnvironmentVariable(variable);
        if (top.isEmpty())
            continue;
        QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    files.removeDuplicates();
    return files;
}

TEST(RealFileDialog, TypedNamesComeBackExactlyAndBareOnesGetTheChosenTypesExtension)
{
    RealDialogPlatform real;
    QTemporaryDir folder;
    const QString quoted = QStringLiteral("my \"clip  é 名\".avi");
    QFile f(folder.path() + QLatin1Char('/') + quoted);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub \"dir\"")));
    const QStringList before = filesUnderTheUsersFolders();
    ASSERT_TRUE(before.filter(QStringLiteral("QtProject")).isEmpty());

    const struct {
        bool save;
        int type;         // the "Files of type" entry chosen
        QString typed;    // relative to the dialog's folder unless it starts with '/'
        QString expected; // relative to the dialog's folder
    } cases[] = {
        {false, 0, quoted, quoted}, // an existing file with a quote opens
        {true, 0, QStringLiteral("my \"clip.avi"), QStringLiteral("my \"clip.avi")},
        {true, 0, folder.path() + QStringLiteral("/\"a\" \"b\".wmv"), QStringLiteral("\"a\" \"b\".wmv")},
        {true, 0, QStringLiteral("  blanks  ü "), QStringLiteral("  blanks  ü .avi")},
        {true, 0, QStringLiteral("clip"), QStringLiteral("clip.avi")},
        {true, 2, QStringLiteral("clip"), QStringLiteral("clip.mov")},
        {true, 1, QStringLiteral("my \"clip"), QStringLiteral("my \"clip.wmv")},
        {true, 1, QStringLiteral("clip.AVI"), QStringLiteral("clip.AVI")}, // has one: left alone
        {true, 2, QStringLiteral("clip.tar"), QStringLiteral("clip.tar")},
        {true, 3, QStringLiteral("clip"), QStringLiteral("clip")}, // "All": nothing to add
        {true, 0, QStringLiteral("sub \"dir\"/x"), QStringLiteral("sub \"dir\"/x.avi")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        whenDialogOpens([&](QFileDialog *dialog) {
            const QStringList filters = dialog->nameFilters();
            ASSERT_LT(c.type, filters.size());
            dialog->selectNameFilter(filters[c.type]);
            typeAndAccept(dialog, c.typed);
        });
        QString initDir = folder.path();
        const QString chosen =
            c.save ? COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir, SaveFilter, 0x200004)
                   : COMDLG::ShowOpen(nullptr, QStringLiteral("Open"), initDir,
                                      QStringLiteral("FLV Files(*.FLV)|*.flv|All(*.*)|*.*"), 0x201008);
        EXPECT_EQ(chosen, folder.path() + QLatin1Char('/') + c.expected);
    }
    // Nothing remembered: no QtProject settings, no history, nothing at all.
    EXPECT_EQ(filesUnderTheUsersFolders(), before);
}

TEST(RealFileDialog, TypingAFolderWithAQuoteOpensItInsteadOfChoosingIt)
{
    RealDialogPlatform real;
    QTemporaryDir folder;
    const QString sub = folder.path() + QStringLiteral("/a \"b\"");
    ASSERT_TRUE(QDir().mkdir(sub));
    QString shown;
    whenDialogOpens([&](QFileDialog *dialog) {
        typeAndAccept(dialog, QStringLiteral("a \"b\""));
        shown = dialog->directory().absolutePath();
        typeAndAccept(dialog, QStringLiteral("in it"));
    });
    QString initDir = folder.path();
    EXPECT_EQ(COMDLG::ShowSave(nullptr, QStringLiteral("Save as"), initDir, SaveFilter, 0x200004),
              sub + QStringLiteral("/in it.avi"));
    EXPECT_EQ(shown, sub);
}

} // namespace
