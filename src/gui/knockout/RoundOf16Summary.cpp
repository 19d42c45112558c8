#include "gui/knockout/RoundOf16Summary.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/kit/FittedLabel.h"
#include "tournament/Tournament.h"

#include <QLabel>

RoundOf16Summary::RoundOf16Summary(Tournament &t, CellBinding &binding, QWidget *parent)
    : CardFrame(QString(), parent)
{
    nameControl(this, QStringLiteral("Frame10"));
    CellFamily &huit = t.roundOf16Summary();
    for (int k = 0; k < 8; ++k) {
        const int top = 330 + k * 300;
        for (int side = 0; side < 2; ++side) {
            const int i = 16 + 2 * k + side;
            auto *label = makeControl<FittedLabel>(this, huit.name(), i, QRect(side == 0 ? 90 : 2250, top, 1950, 270));
            label->setAlignment((side == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            label->setIndent(4);
            binding.bind(huit, i, label);
            m_teams.append(label);
        }
        auto *versus = new QLabel(QStringLiteral("-"), this);
        versus->setGeometry(twipsRect(2040, top, 210, 270));
        versus->setAlignment(Qt::AlignCenter);
    }
}
