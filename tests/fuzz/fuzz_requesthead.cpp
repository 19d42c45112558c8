// Any bytes: read as the head of a request, whole and cut into pieces at
// places the input chooses, with the same verdict either way and never
// more kept than the limits; then, after its first line as the content
// type, read as a multipart form.
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "server/MultipartForm.h"
#include "server/RequestHead.h"

namespace {

constexpr qsizetype maxLine = 256;
constexpr qsizetype maxHeaders = 1024;

RequestHead readInPieces(QByteArrayView bytes, unsigned step, qsizetype &taken)
{
    RequestHead head(maxLine, maxHeaders);
    taken = 0;
    while (taken < bytes.size() && head.state() == RequestHead::State::Reading) {
        const qsizetype piece = std::min<qsizetype>(bytes.size() - taken, 1 + step % 7);
        taken += head.feed(bytes.sliced(taken, piece));
        step = step * 31 + 7;
    }
    return head;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    RequestHead whole(maxLine, maxHeaders);
    const qsizetype wholeTaken = whole.feed(bytes);
    qsizetype piecesTaken = 0;
    const RequestHead pieces = readInPieces(bytes, size > 0 ? data[0] : 0, piecesTaken);
    if (whole.state() != pieces.state() || wholeTaken != piecesTaken)
        std::abort(); // where the pieces fall must not change what a request is
    if (whole.state() == RequestHead::State::Complete && whole.bodyLength() != pieces.bodyLength())
        std::abort();
    if (whole.method().size() > maxLine || whole.target().size() > maxLine)
        std::abort();

    const qsizetype lineEnd = bytes.indexOf('\n');
    const std::optional<MultipartForm> form =
        MultipartForm::parse(bytes.left(lineEnd < 0 ? 0 : lineEnd), bytes.mid(lineEnd + 1));
    if (form && form->value(QStringLiteral("fichier")).size() > bytes.size())
        std::abort();
    return 0;
}
