// The host that command groups talk to: needs that enable and guard a command, items
// that come and go, the documents as a group sees them, and the settings version.
#include "ShellFixture.h"

#include "app/CommandHost.h"
#include "app/EditBox.h"
#include "app/SettingsKeys.h"
#include "app/StartupSettings.h"
#include "platform/ProfileStore.h"

#include <QAction>
#include <QMenu>
#include <QTest>

class TestCommandHost : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void needsEnableAndGuardTheCommand()
    {
        ShellFixture fx;
        CommandHost &host = fx.form();
        // Two items of a group's own: one for a document, one for a selection.
        QMenu *menu = host.menu(QStringLiteral("MenuSearch"));
        auto *doc = new QAction(QStringLiteral("doc"), menu);
        auto *sel = new QAction(QStringLiteral("sel"), menu);
        int docRuns = 0, selRuns = 0;
        host.bindAction(doc, [&] { ++docRuns; }, CommandNeed::Document);
        host.bindAction(sel, [&] { ++selRuns; }, CommandNeed::Selection);
        QVERIFY(!doc->isEnabled());
        QVERIFY(!sel->isEnabled());

        // A key that arrives before the item followed the state runs nothing.
        doc->setEnabled(true);
        doc->trigger();
        QCOMPARE(docRuns, 0);

        fx.form().FileNewClick();
        QVERIFY(doc->isEnabled());
        QVERIFY(!sel->isEnabled());
        doc->trigger();
        QCOMPARE(docRuns, 1);

        EditBox *box = fx.form().activeBox();
        box->setPlainText(QStringLiteral("some text"));
        box->setSelection(0, 4);
        QVERIFY(sel->isEnabled());
        sel->trigger();
        QCOMPARE(selRuns, 1);
        box->setSelection(2, 0);
        QVERIFY(!sel->isEnabled());

        fx.form().FileCloseClick();
        QVERIFY(!doc->isEnabled());
    }

    void entriesOfARebuiltMenuMayGo()
    {
        ShellFixture fx;
        CommandHost &host = fx.form();
        QMenu *menu = host.menu(QStringLiteral("MenuTool"));
        QVERIFY(menu);
        int runs = 0;
        auto *entry = new QAction(QStringLiteral("&1 entry"), menu);
        host.bindAction(entry, [&] { ++runs; }, CommandNeed::Document);
        QVERIFY(!entry->isEnabled());
        fx.form().FileNewClick();
        QVERIFY(entry->isEnabled());
        entry->trigger();
        QCOMPARE(runs, 1);
        delete entry;
        // Every later state change still walks the needs.
        fx.form().FileNewClick();
        fx.form().refreshEnabling();
        QCOMPARE(runs, 1);

        // A new entry at the address of one that went is not taken as built.
        alignas(QAction) unsigned char place[sizeof(QAction)];
        auto *old = new (place) QAction(QStringLiteral("&1 old"), menu);
        host.bindAction(old, [&] { ++runs; }, CommandNeed::Document);
        const bool oldBuilt = fx.form().isBuilt(old);
        old->~QAction();
        auto *reused = new (place) QAction(QStringLiteral("&1 new"), menu);
        const bool reusedBuilt = fx.form().isBuilt(reused);
        reused->~QAction();
        QVERIFY(oldBuilt);
        QVERIFY(!reusedBuilt);
    }

    void documentsAsAGroupSeesThem()
    {
        ShellFixture fx;
        CommandHost &host = fx.form();
        QVERIFY(!host.hasDocument());
        const QString page = fx.writeFile(QStringLiteral("a.html"), "<P>\r\n");
        host.openDocument(page);
        fx.form().FileNewClick();
        QCOMPARE(host.documentNames(), (QStringList{page, CommandHost::untitledName()}));
        QCOMPARE(host.activeDocumentIndex(), 1);
        QCOMPARE(host.activeDocumentName(), CommandHost::untitledName());

        IEditBox *first = host.documentBox(0);
        QVERIFY(host.activateDocument(first));
        QCOMPARE(host.activeDocumentIndex(), 0);
        QCOMPARE(host.editContext().box.text(), QStringLiteral("<P>\n"));

        // The first Browse or Open of a document starts in its folder, once per document.
        QCOMPARE(host.firstBrowseFolder(), fx.folder());
        host.setFirstBrowseUsed();
        QCOMPARE(host.firstBrowseFolder(), QString());
        host.activateDocument(host.documentBox(1));
        QCOMPARE(host.firstBrowseFolder(), QString()); // untitled: no folder of its own

        QList<IEditBox *> closing;
        connect(&host.events(), &HostEvents::documentClosing, this, [&](IEditBox *box) { closing << box; });
        host.activateDocument(first);
        fx.form().FileCloseClick();
        QCOMPARE(closing, QList<IEditBox *>{first});
        QVERIFY(!host.activateDocument(first));
        QCOMPARE(host.documentNames(), QStringList{CommandHost::untitledName()});
    }

    void shutdownWritesTheVersionStartUpReads()
    {
        ShellFixture fx;
        QVERIFY(fx.form().close());
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(SettingsKeys::read(ini, SettingsKeys::Version), QString::fromUtf16(SettingsKeys::CurrentVersion));
        QCOMPARE(StartupSettings::load(ini, fx.folder()).version, QString::fromUtf16(SettingsKeys::CurrentVersion));
        QCOMPARE(StartupSettings::load(ProfileStore(fx.path(QStringLiteral("none.ini"))), fx.folder()).version, QString());
    }
};

QTEST_MAIN(TestCommandHost)
#include "tst_commandhost.moc"
