#include "gui/chart/ChartNews.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ClickableLabel.h"
#include "tournament/Tournament.h"

#include <QFrame>
#include <QLabel>

QWidget *buildChartNews(QWidget &window, Tournament &t, CellBinding &binding)
{
    auto *frame = makeControl<QFrame>(&window, QStringLiteral("Shape3"), -1, QRect(13230, 1050, 4365, 2250));
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe6));
    palette.setColor(QPalette::WindowText, QColor(0xe0, 0xc8, 0x60));
    frame->setPalette(palette);
    const CellFamily &messageCell = t.family(QStringLiteral("Label10"));
    auto *message = makeControl<QLabel>(frame, messageCell.name(), -1, QRect(90, 90, 4185, 2070));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    binding.bind(messageCell, 0, message);
    message->setAutoFillBackground(false);

    const CellFamily &linkCell = t.family(QStringLiteral("Lablien"));
    auto *link = makeControl<ClickableLabel>(&window, linkCell.name(), -1, QRect(13230, 3390, 4365, 300));
    link->setAlignment(Qt::AlignCenter);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    binding.bind(linkCell, 0, link);
    link->setAutoFillBackground(false);

    const auto showNews = [frame, message, link] {
        frame->setVisible(!message->text().isEmpty());
        link->setVisible(!link->text().isEmpty());
    };
    binding.onTextChange(messageCell, 0, showNews);
    binding.onTextChange(linkCell, 0, showNews);
    showNews();
    return link;
}
