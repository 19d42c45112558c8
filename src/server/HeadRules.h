#pragma once

#include <functional>
#include <utility>

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

class RequestHead;

// What a route decides from the head of a request alone, before a byte of
// its body is read: a refusal, or that the body may come.
struct HeadVerdict
{
    int status = 0; // 0: the body may come
    QString title;  // the refusal's page
    QString text;
    QByteArray extraHeaders; // whole lines, such as "Retry-After: 5\r\n"
    QString reason;          // the refusal's code for a client that words it itself
    // A body whose sender is proven by the head draws on the whole budget;
    // one that carries its own proof (a form's password field) on a small
    // share of it, so that strangers cannot crowd out the publisher.
    bool provenSender = true;
};

// A route that takes bodies: how long one may be, and what its head must
// show first. `check` runs on the event loop, for every connection: it
// decides from what its route keeps in memory and never waits on a
// database.
struct HeadRoute
{
    qint64 maxBody = 0;
    std::function<HeadVerdict(const RequestHead &head, const QHostAddress &client)> check;
};

// The routes that take a body, by path; a path that ends with '/' stands
// for every path under it. Any other path takes no body at all.
class HeadRules final
{
public:
    void add(const QByteArray &path, HeadRoute route) { m_routes.append({path, std::move(route)}); }
    // Read from the path as the HTTP module will read it.
    const HeadRoute *find(QByteArrayView rawPath) const;

private:
    QList<std::pair<QByteArray, HeadRoute>> m_routes;
};

// The bytes of all the bodies being received at once, and the share of
// them whose senders are not proven yet. Past either a new body is turned
// away, so that uploads cannot take the server's memory.
class BodyBudget final
{
public:
    BodyBudget(qint64 total, qint64 unproven)
        : m_total(total)
        , m_unproven(unproven)
    {}

    bool take(qint64 bytes, bool proven);
    void give(qint64 bytes, bool proven);

private:
    qint64 m_total;
    qint64 m_unproven;
    qint64 m_inFlight = 0;
    qint64 m_unprovenInFlight = 0;
};
