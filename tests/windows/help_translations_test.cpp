// The translated help topics the build puts in the help folder's language subfolders: every
// Russian topic has its translation, with the same anchors and links, and it shows with the
// shared style sheet.
#include "platform/help_viewer.h"
#include "tests/support/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

const QStringList kLanguages{QStringLiteral("en")};

QString HelpFolder() { return QDir(QStringLiteral(DUEL_BUILD_FOLDER)).filePath(QString::fromUtf8(kHelpFolderName)); }

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Every value of the attribute in the page's tags: anchors are name="..." or id="...", links href="...".
QSet<QString> Values(const QString& page, const QString& pattern) {
    QSet<QString> values;
    const QRegularExpression attribute(pattern);
    for (auto match = attribute.globalMatch(page); match.hasNext();) values.insert(match.next().captured(1));
    return values;
}
QSet<QString> Anchors(const QString& page) { return Values(page, QStringLiteral("\\s(?:name|id)=\"([^\"]*)\"")); }
QSet<QString> Links(const QString& page) { return Values(page, QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\"")); }
QString StyleSheet(const QString& page) {
    const auto match = QRegularExpression(QStringLiteral("<link\\s[^>]*href=\"([^\"]*)\"")).match(page);
    return match.hasMatch() ? match.captured(1) : QString();
}

TEST(HelpTranslations, EveryTopicIsTranslatedWithItsAnchorsAndLinks) {
    const QStringList topics = QDir(HelpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_EQ(topics, (QStringList{QStringLiteral("100.html"), QStringLiteral("500.html")}));
    for (const QString& language : kLanguages) {
        for (const QString& topic : topics) {
            SCOPED_TRACE((language + u'/' + topic).toStdString());
            const QString russian = ReadText(HelpFolder() + u'/' + topic);
            const QString translated = ReadText(HelpFolder() + u'/' + language + u'/' + topic);
            ASSERT_FALSE(translated.isEmpty());
            if (topic == QStringLiteral("100.html")) {
                ASSERT_EQ(Anchors(russian).size(), 14);  // the reading sees them all
            }
            EXPECT_EQ(Anchors(translated), Anchors(russian));
            EXPECT_EQ(Links(translated), Links(russian));
            // The subfolder shares the top's style sheet.
            EXPECT_EQ(StyleSheet(translated), QStringLiteral("../") + StyleSheet(russian));
            EXPECT_TRUE(translated.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
            // Links within the topic lead to its own anchors, links to topics to files beside it.
            for (const QString& link : Links(translated)) {
                if (link.startsWith(u'#'))
                    EXPECT_TRUE(Anchors(translated).contains(link.mid(1))) << link.toStdString();
                else
                    EXPECT_TRUE(QFile::exists(HelpFolder() + u'/' + language + u'/' + link)) << link.toStdString();
            }
        }
    }
}

// Outside <code> (file names and commands, which are what they are on disk) an English topic
// has no Cyrillic letter.
TEST(HelpTranslations, EnglishTopicsHaveNoRussianWordsOutsideCode) {
    const QRegularExpression code(QStringLiteral("<code>.*?</code>"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cyrillic(QStringLiteral("\\w*[\\x{0400}-\\x{04FF}]\\w*"),
                                      QRegularExpression::UseUnicodePropertiesOption);
    for (const QString& topic : {QStringLiteral("100.html"), QStringLiteral("500.html")}) {
        QString page = ReadText(HelpFolder() + QStringLiteral("/en/") + topic);
        ASSERT_FALSE(page.isEmpty()) << topic.toStdString();
        page.remove(code);
        const auto match = cyrillic.match(page);
        EXPECT_FALSE(match.hasMatch()) << topic.toStdString() << ": " << match.captured().toStdString();
    }
}

TEST(HelpTranslations, TheEnglishTopicShowsWithTheSharedStyleSheetAndLinksToItsNeighbour) {
    FakePlatform platform;
    HelpViewer viewer(platform);
    viewer.ShowTopic(HelpFolder() + QStringLiteral("/en/100.html"));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Shelvy and Zlyki — Help"));
    auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("browser"));
    ASSERT_TRUE(browser);
    const QString text = browser->toPlainText();
    for (const char* words : {"hits", "strays", "F2", "shelvy-pack", "Backspace", "~/.config/shelvy-zlyki/"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    // The heading has help.css's colour, which only the style sheet one folder up gives it.
    const QTextBlock heading = browser->document()->firstBlock();
    ASSERT_EQ(heading.text().trimmed(), QStringLiteral("Shelvy and Zlyki"));
    EXPECT_EQ(QTextCursor(heading).charFormat().foreground().color(), QColor(0x00, 0x30, 0x80));

    emit browser->anchorClicked(QUrl(QStringLiteral("500.html")));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("An offer to advertisers"));
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace duel::testing
