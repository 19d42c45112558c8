// Any bytes as a language file, applied to a message table and to a target
// that takes every control line.
#include <cstdint>

#include "FuzzFolder.h"
#include "i18n/ControlTarget.h"
#include "i18n/LanguageFile.h"
#include "tournament/MessageTable.h"

namespace {

class AnyControl final : public ControlTarget
{
public:
    void applyControlLine(const QString &name, std::optional<int>, const QString &caption, const QString &text,
                          const QString &toolTip) override
    {
        m_length += name.size() + caption.size() + text.size() + toolTip.size();
    }

private:
    qsizetype m_length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeFuzzFile(QStringLiteral("langFr.txt"), data, size);
    MessageTable messages;
    AnyControl controls;
    LoadLanguageFile(path, messages, controls);
    (void)yearListEntries(messages);
    return 0;
}
