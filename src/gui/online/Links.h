#pragma once

#include <functional>

#include <QHash>
#include <QObject>
#include <QUrl>

#include "gui/kit/LinkPoints.h"

class Tournament;

// The labels and pictures that open a web page in the user's browser: the
// author's home and contact pages, the partner's site, the forum page, and
// the news link whose address the loaded chart carries. Each room hands
// out its link points; a panel built later hands out its own then.
class Links final : public QObject
{
    Q_OBJECT
public:
    explicit Links(Tournament &t, QObject *parent = nullptr);

    // Each control opens its page from now on.
    void wire(const LinkPoints &points);

    // The news link's page: an http or https address from the chart, or
    // nothing. Whatever else a downloaded chart holds there (a file, a
    // program) is not opened.
    QUrl newsAddress() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QUrl()> target(WebPage page) const;

    Tournament &m_tournament;
    QHash<QObject *, std::function<QUrl()>> m_targets;
};
