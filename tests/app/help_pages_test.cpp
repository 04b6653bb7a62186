#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <map>
#include <set>

#include "app/command_table.h"
#include "app/help_window.h"
#include "app/menu_bar.h"
#include "gui_support/wait_for.h"

namespace tabula::test {
namespace {

const QString kHelpFolder = QStringLiteral(":/tabula/help");

QUrl PageUrl(const QString& name) {
    return QUrl(QStringLiteral("qrc:/tabula/help/") + name);
}

QString ReadPage(const QString& name) {
    QFile file(kHelpFolder + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// One help page as the help window shows it.
struct HelpPage {
    QString title;
    QString text;
    std::vector<QString> links;
    std::set<QString> anchors;
};

HelpPage LoadPage(const QString& name) {
    QTextDocument document;
    document.setHtml(ReadPage(name));
    HelpPage page{
        document.metaInformation(QTextDocument::DocumentTitle), document.toPlainText(), {}, {}};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.anchorHref().isEmpty()) {
                page.links.push_back(format.anchorHref());
            }
            for (const QString& anchor : format.anchorNames()) {
                page.anchors.insert(anchor);
            }
        }
    }
    return page;
}

std::set<QString> PagesInResources() {
    std::set<QString> pages;
    for (const QString& name : QDir(kHelpFolder).entryList(QDir::Files)) {
        pages.insert(name);
    }
    return pages;
}

// All pages' text, as a reader sees it.
QString AllHelpText() {
    QString text;
    for (const QString& name : PagesInResources()) {
        text += LoadPage(name).text + u'\n';
    }
    return text;
}

TEST(HelpPagesTest, EveryLinkLeadsToAPageAndEveryPageIsReachableFromTheContents) {
    std::set<QString> reached{QStringLiteral("contents.html")};
    std::vector<QString> to_visit{QStringLiteral("contents.html")};
    while (!to_visit.empty()) {
        const QString name = to_visit.back();
        to_visit.pop_back();
        const HelpPage page = LoadPage(name);
        EXPECT_TRUE(page.title.startsWith(QStringLiteral("Tabula Help: "))) << name.toStdString();
        for (const QString& href : page.links) {
            const QUrl target = PageUrl(name).resolved(QUrl(href));
            const QString where = name + QStringLiteral(" links to ") + href;
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc")) << where.toStdString();
            const QString target_name = target.fileName();
            ASSERT_EQ(target.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment),
                      PageUrl(QString()))
                << where.toStdString();
            ASSERT_TRUE(QFile::exists(kHelpFolder + u'/' + target_name)) << where.toStdString();
            if (target.hasFragment()) {
                EXPECT_TRUE(LoadPage(target_name).anchors.contains(target.fragment()))
                    << where.toStdString();
            }
            if (reached.insert(target_name).second) {
                to_visit.push_back(target_name);
            }
        }
    }
    EXPECT_EQ(reached, PagesInResources());
}

// "&Go To...\tF5" is the item "Go To..." with the key "F5".
QString MenuLabel(std::string_view menu_text) {
    const std::string_view label = menu_text.substr(0, menu_text.find('\t'));
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())).remove(u'&');
}

QString KeyName(std::string_view menu_text) {
    const std::size_t tab = menu_text.find('\t');
    if (tab == std::string_view::npos) {
        return {};
    }
    const std::string_view key = menu_text.substr(tab + 1);
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Each command as the help names it: the menu that holds it, " > ", its item ("Print > Card...").
std::map<CommandId, QString> MenuPaths() {
    QMenuBar bar;
    std::map<QAction*, CommandId> ids;
    BuildMenuBar(
        &bar,
        [&](CommandId id) {
            auto* action = new QAction(&bar);
            ids[action] = id;
            return action;
        },
        [](QMenu*) {});
    std::map<CommandId, QString> paths;
    std::vector<QMenu*> menus;
    for (QAction* top : bar.actions()) {
        menus.push_back(top->menu());
    }
    while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                menus.push_back(action->menu());
            } else if (ids.contains(action)) {
                const CommandId id = ids.at(action);
                paths[id] = menu->title().remove(u'&') + QStringLiteral(" > ") +
                            MenuLabel(action->text().toStdString());
            }
        }
    }
    return paths;
}

TEST(HelpPagesTest, EveryCommandOfTheMenusIsDescribed) {
    const std::map<CommandId, QString> paths = MenuPaths();
    const QString text = AllHelpText();
    for (const CommandEntry& entry : AllCommands()) {
        ASSERT_TRUE(paths.contains(entry.id)) << "not in any menu: " << static_cast<int>(entry.id);
        EXPECT_TRUE(text.contains(paths.at(entry.id))) << paths.at(entry.id).toStdString();
    }
}

// Each row of the keys page's tables, as plain text.
std::vector<QString> KeyTableRows() {
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    std::vector<QString> rows;
    const QString html = ReadPage(QStringLiteral("keys.html"));
    for (auto it = row.globalMatch(html); it.hasNext();) {
        QTextDocument cell;
        cell.setHtml(it.next().captured(1).replace(tag, QStringLiteral(" ")));
        rows.push_back(cell.toPlainText().simplified());
    }
    return rows;
}

TEST(HelpPagesTest, TheKeysPageNamesEveryShortcutBesideItsCommand) {
    const std::map<CommandId, QString> paths = MenuPaths();
    const std::vector<QString> rows = KeyTableRows();
    int keys = 0;
    for (const CommandEntry& entry : AllCommands()) {
        const QString key = KeyName(entry.menu_text);
        if (key.isEmpty()) {
            continue;
        }
        ++keys;
        const bool named = std::any_of(rows.begin(), rows.end(), [&](const QString& row) {
            return row.startsWith(key + u' ') && row.contains(paths.at(entry.id));
        });
        EXPECT_TRUE(named) << key.toStdString() << " for " << paths.at(entry.id).toStdString();
    }
    EXPECT_EQ(keys, 9);  // F1 F2 F3 F4 F5 F7, Shift+Del, Ctrl+Ins, Shift+Ins
}

TEST(HelpPagesTest, TheHelpWindowFollowsALinkAndComesBack) {
    HelpWindow help(nullptr);
    help.ShowContents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QTextBrowser* browser = help.Browser();
    EXPECT_EQ(help.windowTitle(), "Tabula Help: Contents");
    EXPECT_FALSE(help.BackAction()->isEnabled());

    // The first link of the contents, reached and followed with the keyboard.
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    TABULA_TRY_COMPARE(browser->source(), PageUrl(QStringLiteral("cards.html")));
    EXPECT_EQ(help.windowTitle(), "Tabula Help: Cards");
    EXPECT_TRUE(help.BackAction()->isEnabled());

    QTest::keyClick(&help, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->source(), PageUrl(QStringLiteral("contents.html")));
    EXPECT_EQ(help.windowTitle(), "Tabula Help: Contents");
    QTest::keyClick(&help, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(browser->source(), PageUrl(QStringLiteral("cards.html")));

    QTest::keyClick(&help, Qt::Key_F1);
    EXPECT_EQ(browser->source(), PageUrl(QStringLiteral("contents.html")));
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace tabula::test
