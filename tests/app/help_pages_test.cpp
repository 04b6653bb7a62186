#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <set>

#include "app/command_table.h"
#include "app/menu_bar.h"

namespace tabula::test {
namespace {

QString Page(const QString& name) {
    QFile file(":/tabula/help/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

QString Plain(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

TEST(HelpPagesTest, EveryLinkLeadsToAPageAndAnchorAndEveryPageIsReachable) {
    static const QRegularExpression link(R"re(href="([^"#]*)#?([^"]*)")re");
    std::set<QString> reached{"contents.html"};
    std::vector<QString> to_visit{"contents.html"};
    while (!to_visit.empty()) {
        const QString name = to_visit.back();
        to_visit.pop_back();
        const QString html = Page(name);
        EXPECT_TRUE(html.contains("<title>Tabula Help: ")) << name.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString target = match.captured(1).isEmpty() ? name : match.captured(1);
            const std::string where = (name + " links to " + match.captured(0)).toStdString();
            ASSERT_TRUE(QFile::exists(":/tabula/help/" + target)) << where;
            const QString anchor = match.captured(2);
            EXPECT_TRUE(anchor.isEmpty() || Page(target).contains("name=\"" + anchor + '"'))
                << where;
            if (reached.insert(target).second) {
                to_visit.push_back(target);
            }
        }
    }
    EXPECT_EQ(reached.size(), QDir(":/tabula/help").entryList(QDir::Files).size());
}

// Each command as the help names it ("Print > Card..."); the keys page has a row for each key
// that begins with the key and names the command.
TEST(HelpPagesTest, EveryCommandIsDescribedAndEveryKeyNamedBesideItsCommand) {
    QMenuBar bar;
    std::map<CommandId, QAction*> actions;
    BuildMenuBar(
        &bar, [&](CommandId id) { return actions[id] = new QAction(&bar); }, [](QMenu*) {});
    QString text;
    for (const QString& name : QDir(":/tabula/help").entryList(QDir::Files)) {
        text += Plain(Page(name)) + '\n';
    }
    static const QRegularExpression row("<tr>(.*?)</tr>",
                                        QRegularExpression::DotMatchesEverythingOption);
    QStringList rows;
    for (auto it = row.globalMatch(Page("keys.html")); it.hasNext();) {
        rows << Plain(it.next().captured(1).replace(QRegularExpression("<[^>]*>"), " "));
    }
    for (const CommandEntry& entry : AllCommands()) {
        QAction* action = actions[entry.id];
        const auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
        ASSERT_NE(menu, nullptr) << "not in any menu: " << int(entry.id);
        const QString path =
            QString(menu->title() + " > " + action->text().section('\t', 0, 0)).remove('&');
        EXPECT_TRUE(text.contains(path)) << path.toStdString();
        const QString key = QString(entry.menu_text).section('\t', 1);
        EXPECT_TRUE(key.isEmpty() || std::any_of(rows.begin(), rows.end(),
                                                 [&](const QString& row) {
                                                     return row.startsWith(key + ' ') &&
                                                            row.contains(path);
                                                 }))
            << key.toStdString() << " for " << path.toStdString();
    }
}

}  // namespace
}  // namespace tabula::test
