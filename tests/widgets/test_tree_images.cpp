#include "widgets/common/tree_images.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

class TreeImagesTest : public QObject {
    Q_OBJECT
  private slots:
    void sevenDistinctPictures_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16 px") << 16;
        QTest::newRow("32 px") << 32;
    }
    void sevenDistinctPictures() {
        QFETCH(int, size);
        QList<QImage> images;
        for (int n = 1; n <= 7; ++n) {
            const QPixmap pixmap = TreeImage(n).pixmap(size, size);
            QCOMPARE(pixmap.size(), QSize(size, size));
            QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            // Something is drawn, and not over the whole square.
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            QVERIFY2(opaque > size * size / 10, qPrintable(QString("image %1 is nearly empty").arg(n)));
            QVERIFY2(opaque < size * size, qPrintable(QString("image %1 fills its square").arg(n)));
            for (const QImage& earlier : images)
                QVERIFY2(earlier != image, qPrintable(QString("image %1 repeats an earlier one").arg(n)));
            images << image;
        }
    }
    void numbersOutsideTheSetHaveNoPicture() {
        QVERIFY(TreeImage(0).isNull());
        QVERIFY(TreeImage(8).isNull());
        QVERIFY(!TreeImage(7).isNull());
    }
};
QTEST_MAIN(TreeImagesTest)
#include "test_tree_images.moc"
