// Build helper: draws the icon's SVG into PNGs of the given sizes,
// OUTDIR/<N>x<N>/apps/NAME.png for each size N.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: kesh-svgtopng SOURCE.svg OUTDIR NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "kesh-svgtopng: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "kesh-svgtopng: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(dir) || !image.save(out.filePath(dir + "/" + name + ".png"))) {
            std::fprintf(stderr, "kesh-svgtopng: cannot write size %d\n", size);
            return 1;
        }
    }
    return 0;
}
