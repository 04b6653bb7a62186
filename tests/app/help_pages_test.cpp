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

// Every link leads to a page and anchor, and every page is reached from the contents. Each
// command is named as the help names it ("Print > Card..."); the keys page has a row for each
// key: the key, then the command.
TEST(HelpPagesTest, EveryPageIsReachedAndEveryCommandAndKeyDescribed) {
    static const QRegularExpression link(R"re(href="([^"#]*)#?([^"]*)")re");
    std::set<QString> reached{"contents.html"};
    QString text;
    for (std::vector<QString> to_visit{"contents.html"}; !to_visit.empty();) {
        const QString name = to_visit.back(), html = Page(name);
        to_visit.pop_back();
        text += Plain(html) + '\n';
        EXPECT_TRUE(html.contains("<title>Tabula Help: ")) << name.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString target = match.captured(1).isEmpty() ? name : match.captured(1);
            const QString anchor = "name=\"" + match.captured(2) + '"';
            EXPECT_TRUE(Page(target).contains(anchor) || match.captured(2).isEmpty())
                << (name + " links to " + match.captured(0)).toStdString();
            if (reached.insert(target).second) {
                to_visit.push_back(target);
            }
        }
    }
    EXPECT_EQ(reached.size(), QDir(":/tabula/help").entryList(QDir::Files).size());

    QMenuBar bar;
    std::map<CommandId, QAction*> actions;
    BuildMenuBar(
        &bar, [&](CommandId id) { return actions[id] = new QAction(&bar); }, [](QMenu*) {});
    const QString keys = Page("keys.html");
    for (const CommandEntry& entry : AllCommands()) {
        QAction* action = actions[entry.id];
        const auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
        ASSERT_NE(menu, nullptr) << "not in any menu: " << int(entry.id);
        const QString path =
            QString(menu->title() + " > " + action->text().section('\t', 0, 0)).remove('&');
        const QString key = QString(entry.menu_text).section('\t', 1);
        EXPECT_TRUE(text.contains(path)) << path.toStdString();
        EXPECT_TRUE(key.isEmpty() ||
                    keys.contains("<td>" + key + "</td><td>" + path.toHtmlEscaped()))
            << key.toStdString() << " for " << path.toStdString();
    }
}

}  // namespace
}  // namespace tabula::test
