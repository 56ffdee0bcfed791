// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefixture.h"

#include <QApplication>
#include <QMovie>
#include <QPointer>
#include <QWheelEvent>

using namespace larkspan;
using namespace Qt::StringLiterals;

// The preview of the chosen picture on the Image page: where it stands, its scroll bars, the wheel, animation.
class tst_ImagePreview : public QObject {
    Q_OBJECT

private slots:
    void previewGeometry_data()
    {
        // The picture's size is the inner viewport's plus overhang; the expected position is what shows centred.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("overhang");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<int>("horizontalMaximum"); // -1: no horizontal bar
        QTest::addColumn<int>("verticalMaximum");   // -1: no vertical bar

        QTest::newRow("smaller both ways: centred, no bars")
            << u"a.gif"_s << QSize(-40, -30) << QPoint(20, 15) << -1 << -1;
        QTest::newRow("exactly the viewport: no bars") << u"a.jpg"_s << QSize(0, 0) << QPoint(0, 0) << -1 << -1;
        QTest::newRow("100 wider: half of it off each side")
            << u"a.gif"_s << QSize(100, -30) << QPoint(-50, 15) << 100 << -1;
        QTest::newRow("101 wider: the half drops toward zero")
            << u"a.gif"_s << QSize(101, -30) << QPoint(-50, 15) << 101 << -1;
        QTest::newRow("101 narrower") << u"a.jpg"_s << QSize(-101, -30) << QPoint(50, 15) << -1 << -1;
        QTest::newRow("1 wider: a bar for one pixel") << u"a.gif"_s << QSize(1, -30) << QPoint(0, 15) << 1 << -1;
        QTest::newRow("100 taller") << u"a.gif"_s << QSize(-40, 100) << QPoint(20, -50) << -1 << 100;
        QTest::newRow("101 taller") << u"a.jpg"_s << QSize(-40, 101) << QPoint(20, -50) << -1 << 101;
        QTest::newRow("a PNG 100 wider") << u"a.png"_s << QSize(100, -30) << QPoint(-50, 15) << 100 << -1;
        QTest::newRow("a WebP 101 taller") << u"a.webp"_s << QSize(-40, 101) << QPoint(20, -50) << -1 << 101;
        QTest::newRow("101 shorter") << u"a.gif"_s << QSize(-40, -101) << QPoint(20, 50) << -1 << -1;
        QTest::newRow("larger both ways: both bars") << u"a.gif"_s << QSize(100, 101) << QPoint(-50, -50) << 100 << 101;
    }

    void previewGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QSize, overhang);
        QFETCH(QPoint, position);
        QFETCH(int, horizontalMaximum);
        QFETCH(int, verticalMaximum);
        ImageFixture f;

        // The inner viewport fills the outer one's inside, less a strip for each bar, even before any picture.
        const QRect contents = f.outer()->contentsRect();
        const QSize inner = f.innerSize();
        QCOMPARE(f.inner()->pos(), contents.topLeft());
        QCOMPARE(inner.width(), contents.width() - f.vsb()->width());
        QCOMPARE(inner.height(), contents.height() - f.hsb()->height());
        QVERIFY(f.vsb()->width() > 0 && f.hsb()->height() > 0);

        f.choose(makePicture(f.dir, name, inner + overhang));

        QCOMPARE(f.innerSize(), inner);
        QCOMPARE(f.image()->size(), inner + overhang);
        QCOMPARE(f.image()->pos(), position);
        QCOMPARE(f.hsb()->geometry(),
                 QRect(contents.left(), contents.top() + inner.height(), inner.width(), f.hsb()->height()));
        QCOMPARE(f.vsb()->geometry(),
                 QRect(contents.left() + inner.width(), contents.top(), f.vsb()->width(), inner.height()));
        QCOMPARE(f.hsb()->isVisible(), horizontalMaximum >= 0);
        QCOMPARE(f.vsb()->isVisible(), verticalMaximum >= 0);
        QCOMPARE(f.hsb()->minimum(), 0);
        QCOMPARE(f.vsb()->minimum(), 0);
        if (horizontalMaximum >= 0)
            QCOMPARE(f.hsb()->maximum(), horizontalMaximum);
        if (verticalMaximum >= 0)
            QCOMPARE(f.vsb()->maximum(), verticalMaximum);

        // Moving a bar to v puts the picture's edge at -v; the other direction stays.
        if (horizontalMaximum >= 0) {
            const int value = std::min(30, horizontalMaximum);
            f.hsb()->setValue(value);
            QCOMPARE(f.image()->pos(), QPoint(-value, position.y()));
        }
        if (verticalMaximum >= 0) {
            const int value = std::min(30, verticalMaximum);
            f.vsb()->setValue(value);
            QCOMPARE(f.image()->y(), -value);
        }
    }

    void hugePictureScrollsToTheLimit_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::newRow("40000 pixels wider than the viewport") << true;
        QTest::newRow("40000 pixels taller than the viewport") << false;
    }

    void hugePictureScrollsToTheLimit()
    {
        QFETCH(bool, wide);
        ImageFixture f;
        const QSize inner = f.innerSize();
        // One pixel across the other way keeps the file small.
        const QSize size = wide ? QSize(inner.width() + 40001, 1) : QSize(1, inner.height() + 40001);
        f.choose(makePicture(f.dir, u"banner.gif"_s, size));

        QScrollBar* bar = wide ? f.hsb() : f.vsb();
        QScrollBar* other = wide ? f.vsb() : f.hsb();
        QCOMPARE(f.image()->size(), size);
        QCOMPARE(wide ? f.image()->x() : f.image()->y(), -20000);
        QVERIFY(bar->isVisible());
        QVERIFY(!other->isVisible());
        QCOMPARE(bar->maximum(), 32767);
        QCOMPARE(f.wiz->lblLabel[wide ? LblImageWidth : LblImageHeight]->text(),
                 QString::number(wide ? size.width() : size.height()));

        bar->setValue(bar->maximum());
        QCOMPARE(wide ? f.image()->x() : f.image()->y(), -32767);
    }

    void nextPictureStartsCentred()
    {
        ImageFixture f;
        const QSize size = f.innerSize() + QSize(100, 100);
        f.choose(makePicture(f.dir, u"first.gif"_s, size));
        f.hsb()->setValue(90);
        f.vsb()->setValue(5);
        QCOMPARE(f.image()->pos(), QPoint(-90, -5));

        f.choose(makePicture(f.dir, u"second.jpg"_s, size));
        QCOMPARE(f.image()->pos(), QPoint(-50, -50));
        // The thumbs stand where the picture does, so the first step of a bar moves it from there.
        QCOMPARE(f.hsb()->value(), 50);
        QCOMPARE(f.vsb()->value(), 50);
        f.hsb()->setValue(f.hsb()->value() + f.hsb()->singleStep());
        QCOMPARE(f.image()->x(), -50 - f.hsb()->singleStep());

        // A smaller one empties the bars' ranges; that must not pull it out of the centre.
        f.choose(makePicture(f.dir, u"third.gif"_s, f.innerSize() - QSize(40, 30)));
        QCOMPARE(f.image()->pos(), QPoint(20, 15));
    }

    void wheelScrollsThePreview_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("moved"); // how far the scroll bars' values move, sideways and down

        const int notch = QApplication::wheelScrollLines() * 10;
        QTest::newRow("down a notch") << QPoint(0, -120) << int(Qt::NoModifier) << QPoint(0, notch);
        QTest::newRow("up a notch") << QPoint(0, 120) << int(Qt::NoModifier) << QPoint(0, -notch);
        QTest::newRow("Shift turns it sideways") << QPoint(0, -120) << int(Qt::ShiftModifier) << QPoint(notch, 0);
        QTest::newRow("a sideways wheel") << QPoint(120, 0) << int(Qt::NoModifier) << QPoint(-notch, 0);
    }

    void wheelScrollsThePreview()
    {
        QFETCH(QPoint, angle);
        QFETCH(int, modifiers);
        QFETCH(QPoint, moved);
        ImageFixture f;
        f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(200, 200)));
        const QPoint before(f.hsb()->value(), f.vsb()->value());
        const QPoint picture = f.image()->pos();

        QWheelEvent wheel(QPointF(5, 5), f.image()->mapToGlobal(QPointF(5, 5)), QPoint(), angle, Qt::NoButton,
                          Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.image(), &wheel);

        QCOMPARE(QPoint(f.hsb()->value(), f.vsb()->value()) - before, moved);
        QCOMPARE(f.image()->pos(), picture - moved);
    }

    void animatedPictureMoves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("an animated GIF") << u"spinner.gif"_s;
        QTest::newRow("an animated WebP") << u"spinner.webp"_s;
    }

    void animatedPictureMoves()
    {
        QFETCH(QString, name);
        ImageFixture f;
        f.choose(makePicture(f.dir, name, QSize(30, 20), 2));

        QPointer<QMovie> movie = f.image()->movie();
        QVERIFY(movie);
        QCOMPARE(movie->frameCount(), 2);
        QCOMPARE(movie->state(), QMovie::Running);
        QTRY_COMPARE(movie->currentFrameNumber(), 1);
        QCOMPARE(f.image()->size(), QSize(30, 20));
        QCOMPARE(f.wiz->lblLabel[LblImageWidth]->text(), u"30"_s);
        QCOMPARE(f.wiz->lblLabel[LblImageHeight]->text(), u"20"_s);

        // A still picture replaces the animation, which goes away.
        f.choose(makePicture(f.dir, u"still.gif"_s, QSize(8, 9)));
        QVERIFY(!f.image()->movie());
        QVERIFY(!movie);
        QCOMPARE(f.image()->pixmap().size(), QSize(8, 9));
    }
};

QTEST_MAIN(tst_ImagePreview)
#include "tst_imagepreview.moc"
