#pragma once

#include <QByteArray>

// What names one version of a file on a web server, as the server wrote
// it: its ETag and its Last-Modified date. Sent back with a request, they
// let the server answer "not modified" instead of the whole file.
struct HttpValidators
{
    QByteArray etag;
    QByteArray lastModified;

    bool isEmpty() const { return etag.isEmpty() && lastModified.isEmpty(); }
};
