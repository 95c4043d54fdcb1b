// The window that makes a value of standard parts, opened from the main window with F8 and
// used as a person does. The expected findings are worked out by hand.
#include "combination/owned.h"
#include "combinationwindow/combinationwindow.h"
#include "forms/application.h"
#include "support/announcements.h"
#include "support/mainwindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// The window opened with F8, active, the focus in the field of the value wanted.
struct OpenedCombinationWindow : OpenedBy<CombinationWindow>
{
    [[nodiscard]] bool opened() { return OpenedBy::opened(Qt::Key_F8, u"target"_s); }
    // The findings, once the search is done, as the list shows them.
    QStringList results() const
    {
        auto *list = control<QListWidget>(u"results"_s);
        if (!QTest::qWaitFor([this] { return control<QLabel>(u"message"_s)->text().isEmpty(); }))
            return {u"still searching"_s};
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown.append(list->item(row)->text());
        return shown;
    }
    // The list's items as assistive technology names them.
    QStringList itemNames() const
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(control(u"results"_s));
        QStringList names;
        for (int row = 0; row < list->childCount(); ++row) {
            const bool item = list->child(row)->role() == QAccessible::ListItem;
            names.append(item ? list->child(row)->text(QAccessible::Name) : u"no item"_s);
        }
        return names;
    }
};

} // namespace

class tst_CombinationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(combination::ownedPath());
        forms::prepareApplication();
    }
    void cleanup() { QTest::qWait(0); }

    void findsAsTyped();
    void findsDividers();
    void keepsTheUsersOwnValues();
};

// Each key starts the search anew; the list shows the nearest single value, then the best of
// each count, and its best is announced; Escape closes, and at rest no thread nor timer runs.
void tst_CombinationWindow::findsAsTyped()
{
    OpenedCombinationWindow fit;
    HELD(fit.opened());
    Announcements heard;
    fit.typeInto(u"target"_s, u"89к"_s);
    const QStringList results = fit.results();
    QCOMPARE(results.value(0), u"1 резистор:"_s);
    QCOMPARE(results.value(1),
        u"91 КОм, +2,2 %; ±5 %: от 86,45 КОм до 95,55 КОм, нужный номинал в допуске"_s);
    QCOMPARE(results.value(2), u"2 резистора:"_s);
    QCOMPARE(results.value(3),
        u"56 КОм + 33 КОм = 89 КОм, точно; ±5 %: от 84,55 КОм до 93,45 КОм, нужный номинал в "
        u"допуске"_s);
    QCOMPARE(results.size(), 2 + 6 + 6);
    QCOMPARE(fit.itemNames(), results);
    QTRY_VERIFY(heard.texts().contains(u"Лучшее: "_s + results.value(3)));
    // With no line chosen, the whole answer is copied, under what was asked.
    QTest::mouseClick(fit.control(u"copy"_s), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text().split(u'\n'),
        QStringList {u"Номинал: 89к; ряд E24 от 1 Ом до 10 МОм, резисторов до 3"_s} + results);

    // Letters are refused in the field, the value kept; the tolerance chosen widens the range.
    fit.typeInto(u"target"_s, u"89кq"_s);
    QCOMPARE(fit.control<QLineEdit>(u"target"_s)->text(), u"89к"_s);
    fit.control<QComboBox>(u"tolerance"_s)->setCurrentIndex(1);
    const QString wider = fit.results().value(3);
    QVERIFY2(wider.endsWith(u"±20 %: от 71,2 КОм до 106,8 КОм, нужный номинал в допуске"_s),
        qPrintable(fit.results().join(u'\n')));

    QTRY_VERIFY(fit.window->findChildren<QThread *>().isEmpty());
    QVERIFY(fit.window->findChildren<QTimer *>().isEmpty());
    QTest::keyClick(fit.window.data(), Qt::Key_Escape);
    QTRY_VERIFY(!fit.window);
}

// A divider for 3,3 В from 5 В: the ratio and the output's range in volts.
void tst_CombinationWindow::findsDividers()
{
    OpenedCombinationWindow fit;
    HELD(fit.opened());
    QTest::mouseClick(fit.control(u"divider"_s), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(fit.control(u"ratio"_s)->isVisible(), true);
    QCOMPARE(fit.control(u"target"_s)->isVisible(), false);
    fit.typeInto(u"ratio"_s, u"3,3/5"_s);
    const QStringList results = fit.results();
    QCOMPARE(results.value(0), u"2 резистора:"_s);
    // 910 Ом under 470 Ом: 910/1380 = 0,65942; ±5 % lets it give 864,5/1358 to 955,5/1402.
    QCOMPARE(results.value(1),
        u"R1 = 470 Ом, R2 = 910 Ом: Uвых/Uвх = 0,65942, −0,088 %; ±5 %: от 0,6366 до 0,6815, "
        u"Uвых от 3,183 до 3,408 В, нужное отношение в допуске"_s);
    fit.typeInto(u"ratio"_s, u"5/3,3"_s);
    QVERIFY(fit.control<QLabel>(u"message"_s)->text().startsWith(u"«5/3,3» — не отношение"_s));
    QCOMPARE(fit.control<QListWidget>(u"results"_s)->count(), 0);
    fit.window->close();
}

// The user's values are saved as typed and searched alone when asked; a line copied is the
// line; a list file that is not text is kept aside and said so.
void tst_CombinationWindow::keepsTheUsersOwnValues()
{
    {
        OpenedCombinationWindow fit;
        HELD(fit.opened());
        auto *owned = fit.control<QPlainTextEdit>(u"owned"_s);
        owned->setFocus();
        typeText(owned, u"10к"_s);
        QTest::keyClick(owned, Qt::Key_Return);
        typeText(owned, u"20к"_s);
        QCOMPARE(combination::loadOwned(combination::ownedPath()).text, u"10к\n20к"_s);
        QTest::mouseClick(fit.control(u"ownedOnly"_s), Qt::LeftButton, {}, QPoint(8, 8));
        fit.typeInto(u"target"_s, u"30к"_s);
        const QStringList results = fit.results();
        QVERIFY2(results.value(3).startsWith(u"20 КОм + 10 КОм = 30 КОм, точно"_s),
            qPrintable(results.join(u'\n')));
        // E24 from 1 to 10 Ом added below the user's lines, which stay as typed; a range of
        // more values than a search takes is refused, and says so.
        fit.typeInto(u"highest"_s, u"10"_s);
        QTest::mouseClick(fit.control(u"take"_s), Qt::LeftButton);
        QCOMPARE(fit.control<QLabel>(u"message"_s)->text(),
            u"В ваш список добавлены номиналы ряда E24, которых в нем не было: 25."_s);
        QVERIFY(owned->toPlainText().startsWith(u"10к\n20к\n1 Ом\n1,1 Ом\n"_s));
        QTest::mouseClick(fit.control(u"ownedOnly"_s), Qt::LeftButton, {}, QPoint(8, 8));
        fit.control<QComboBox>(u"series"_s)->setCurrentIndex(6);
        fit.typeInto(u"highest"_s, u"10Т"_s);
        QCOMPARE(fit.control<QLabel>(u"message"_s)->text(),
            u"Номиналов от 1 Ом до 10 ТОм — 2497, а подбор берет не больше 1400: сузьте "
            u"диапазон."_s);
        QCOMPARE(fit.control<QListWidget>(u"results"_s)->count(), 0);
        fit.typeInto(u"highest"_s, u"10М"_s);
        fit.control<QComboBox>(u"series"_s)->setCurrentIndex(3);
        QTest::mouseClick(fit.control(u"ownedOnly"_s), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(fit.results().value(3), results.value(3));
        auto *list = fit.control<QListWidget>(u"results"_s);
        list->setFocus();
        list->setCurrentRow(3);
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), results.value(3));
        QCOMPARE(fit.control<QLabel>(u"message"_s)->text(), u"Строка скопирована."_s);
        fit.window->close();
    }
    QFile file(combination::ownedPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("10\xff", 3));
    file.close();
    OpenedCombinationWindow fit;
    HELD(fit.opened());
    QVERIFY2(fit.control<QLabel>(u"message"_s)->text().contains(u".damaged"_s),
        qPrintable(fit.control<QLabel>(u"message"_s)->text()));
    QCOMPARE(fit.control<QPlainTextEdit>(u"owned"_s)->toPlainText(), QString());
    fit.window->close();
}

QTEST_MAIN(tst_CombinationWindow)
#include "tst_combinationwindow.moc"
