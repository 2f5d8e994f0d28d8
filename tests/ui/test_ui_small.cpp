// The small windows of the project window: copy wall, exposure help and
// please wait.
#include "ui/project/exposure_pictures.h"
#include "ui/project/frmDorvCopyWall.h"
#include "ui/project/frmDorvExposure.h"
#include "ui/project/frmDorvPlzWait.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using dv::frmDorvCopyWall;

TEST(CopyWallDialog, StartsWithTheWallNameAndNoResult)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Dorvane [Copy Wall Information]"));
    EXPECT_EQ(dlg.lblExistingWallName->text(), QStringLiteral("Front Wall"));
    EXPECT_FALSE(dlg.chkCopy->isChecked());
    EXPECT_FALSE(dlg.chkCancel->isChecked());
    EXPECT_FALSE(dlg.copyConfirmed());
    EXPECT_EQ(dlg.cmdCopyWall->text(), QStringLiteral("Copy"));
    EXPECT_EQ(dlg.cmdCancelCopy->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(dlg.isModal());
}

TEST(CopyWallDialog, CopyWithANameEndsTheModalShowWithCopyChecked)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    QTimer::singleShot(0, &dlg, [&] {
        QTest::keyClicks(dlg.txtNewWallName, QStringLiteral("Rear Wall"));
        QTest::mouseClick(dlg.cmdCopyWall, Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.copyConfirmed());
    EXPECT_FALSE(dlg.chkCancel->isChecked());
    EXPECT_EQ(dlg.newWallName(), QStringLiteral("Rear Wall"));
}

TEST(CopyWallDialog, CopyWithAnEmptyNameDoesNothing)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    dlg.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(dlg.cmdCopyWall, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.chkCopy->isChecked());
    EXPECT_FALSE(dlg.chkCancel->isChecked());
    dlg.reject();
}

TEST(CopyWallDialog, CancelAfterTypingCopiesNothing)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    QTimer::singleShot(0, &dlg, [&] {
        QTest::keyClicks(dlg.txtNewWallName, QStringLiteral("Rear Wall"));
        QTest::mouseClick(dlg.cmdCancelCopy, Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.copyConfirmed());
    EXPECT_TRUE(dlg.chkCancel->isChecked());
}

TEST(CopyWallDialog, ClosingTheWindowCopiesNothing)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    QTimer::singleShot(0, &dlg, [&] {
        dlg.txtNewWallName->setText(QStringLiteral("Rear Wall"));
        dlg.close();
    });
    dlg.exec();
    EXPECT_FALSE(dlg.copyConfirmed());
}

TEST(CopyWallDialog, CopyAfterAnEarlierCancelStillCopies)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    dlg.cmdCancelCopy_Click();
    dlg.txtNewWallName->setText(QStringLiteral("Rear Wall"));
    dlg.cmdCopyWall_Click();
    EXPECT_TRUE(dlg.chkCopy->isChecked());
    EXPECT_FALSE(dlg.chkCancel->isChecked());
}

TEST(CopyWallDialog, TheNewNameIsSelectedWholeOnFocus)
{
    frmDorvCopyWall dlg(QStringLiteral("Front Wall"));
    dlg.txtNewWallName->setText(QStringLiteral("Rear Wall"));
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.cmdCancelCopy->setFocus();
    QTest::mouseClick(dlg.txtNewWallName, Qt::LeftButton, {}, QPoint(4, dlg.txtNewWallName->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.txtNewWallName->selectedText(), QStringLiteral("Rear Wall"));
}

// ---------------------------------------------------------------------------

TEST(ExposureHelp, PicturesAreCaptionedCDAndB)
{
    dv::frmDorvExposure help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Dorvane [Exposure Description]"));
    QStringList texts;
    for (QLabel* label : help.findChildren<QLabel*>())
        texts << label->text();
    for (const char* t : {"Exposure B", "Exposure C", "Exposure D", "Generally open terrain",
                          "Lake extending 1 mile or greater"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(t))) << t;
    for (QLabel* image : {help.Image1, help.Image2, help.Image3})
        EXPECT_FALSE(image->pixmap().isNull());
}

TEST(ExposureHelp, EachPictureChoosesItsExposureAndClosesTheWindow)
{
    const std::pair<int, char> cases[] = {{1, 'C'}, {2, 'D'}, {3, 'B'}};
    for (const auto& [image, letter] : cases) {
        QPointer<dv::frmDorvExposure> help = new dv::frmDorvExposure;
        help->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help.data()));
        QSignalSpy picked(help.data(), &dv::frmDorvExposure::exposurePicked);
        QLabel* target = image == 1 ? help->Image1 : image == 2 ? help->Image2 : help->Image3;
        QTest::mouseClick(target, Qt::LeftButton);
        ASSERT_EQ(picked.count(), 1) << image;
        EXPECT_EQ(picked.at(0).at(0).value<QChar>(), QLatin1Char(letter)) << image;
        EXPECT_FALSE(help->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(help.isNull());
    }
}

TEST(ExposureHelp, DrawingsDifferAndAnUnknownLetterIsBlank)
{
    const QSize size(120, 80);
    const QImage b = dv::exposurePicture(QLatin1Char('B'), size).toImage();
    const QImage c = dv::exposurePicture(QLatin1Char('c'), size).toImage();
    const QImage d = dv::exposurePicture(QLatin1Char('D'), size).toImage();
    EXPECT_EQ(b.size(), size);
    EXPECT_NE(b, c);
    EXPECT_NE(c, d);
    EXPECT_NE(b, d);
    const QImage none = dv::exposurePicture(QLatin1Char('X'), size).toImage();
    ASSERT_EQ(none.size(), size);
    for (int y = 0; y < none.height(); y += 7)
        for (int x = 0; x < none.width(); x += 7)
            ASSERT_EQ(qAlpha(none.pixel(x, y)), 0);
}

// ---------------------------------------------------------------------------

TEST(PleaseWait, IsOnScreenWhenShowAndPaintReturns)
{
    QPointer<dv::frmDorvPlzWait> plz = new dv::frmDorvPlzWait;
    EXPECT_EQ(plz->windowTitle(), QStringLiteral("Please Wait..."));
    EXPECT_EQ(plz->lblPlzWait->text(), QStringLiteral("Please wait a moment while the information is processed."));
    plz->showAndPaint();
    EXPECT_TRUE(plz->isVisible());
    EXPECT_FALSE(plz->isModal());
    plz->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(plz.isNull());
}
