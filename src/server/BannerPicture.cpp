#include "server/BannerPicture.h"

#include <QFont>
#include <QPainter>

namespace {

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// LZW codes of 9 bits, least significant bit first, cut into the format's
// sub-blocks of at most 255 bytes.
class CodeWriter final
{
public:
    void write(int code)
    {
        m_bits |= unsigned(code) << m_count;
        m_count += codeBits;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xff));
        QByteArray blocks;
        for (qsizetype at = 0; at < m_bytes.size(); at += 255) {
            const QByteArray block = m_bytes.mid(at, 255);
            blocks.append(char(block.size()));
            blocks.append(block);
        }
        blocks.append('\0');
        return blocks;
    }

    static constexpr int codeBits = 9;

private:
    QByteArray m_bytes;
    unsigned m_bits = 0;
    int m_count = 0;
};

} // namespace

QByteArray encodeGif(const QImage &image)
{
    const QImage picture = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    constexpr int clearCode = 256;
    constexpr int endCode = 257;
    // A reader widens its codes once its table fills up to 512 entries;
    // clearing the table well before keeps every code at 9 bits.
    constexpr int literalsPerClear = 250;

    QByteArray out("GIF89a");
    appendWord(out, picture.width());
    appendWord(out, picture.height());
    out.append(char(0xf7)); // a global table of 256 colours
    out.append('\0');
    out.append('\0');
    const QList<QRgb> colours = picture.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours.at(i) : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, picture.width());
    appendWord(out, picture.height());
    out.append('\0');
    out.append(char(8)); // the smallest code size for 256 colours

    CodeWriter codes;
    int sinceClear = literalsPerClear;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (sinceClear == literalsPerClear) {
                codes.write(clearCode);
                sinceClear = 0;
            }
            codes.write(row[x]);
            ++sinceClear;
        }
    }
    codes.write(endCode);
    out.append(codes.finish());
    out.append(';');
    return out;
}

QByteArray defaultBannerGif()
{
    QImage banner(468, 60, QImage::Format_RGB32);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    // Flat colours: 256 of them cannot carry a gradient without bands.
    painter.fillRect(banner.rect(), QColor(0x1f, 0x6b, 0x3a));
    painter.setPen(QPen(QColor(0xe8, 0xef, 0xe6, 90), 2));
    painter.drawEllipse(QPointF(banner.width() - 60, 30), 24, 24);
    painter.drawLine(banner.width() - 60, 0, banner.width() - 60, banner.height());

    QFont title(QStringLiteral("DejaVu Sans"), 17, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(16, 4, 380, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vylora 2010"));
    QFont line(QStringLiteral("DejaVu Sans"), 9);
    painter.setFont(line);
    painter.setPen(QColor(0xe8, 0xef, 0xe6));
    painter.drawText(QRect(16, 34, 380, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Les résultats officiels de la Coupe du Monde"));
    painter.end();
    return encodeGif(banner);
}
