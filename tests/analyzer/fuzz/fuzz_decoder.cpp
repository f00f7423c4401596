// libFuzzer target for the analyzer link's frame decoder and reply parser.
// Built and run by scripts/test.d/fuzz-decoder.sh.
#include "AnalyzerReply.h"
#include "FrameCodec.h"

#include <QList>
#include <cstddef>
#include <cstdint>

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 22))
        return 0;
    const QByteArray in(reinterpret_cast<const char*>(data), int(size));

    // All at once.
    FrameCodec whole;
    const QList<QByteArray> a = whole.decode(in);

    // In reads of a size taken from the input: the payloads must not depend on the split.
    FrameCodec parts;
    QList<QByteArray> b;
    const int step = size ? 1 + data[size - 1] % 23 : 1;
    for (int i = 0; i < in.size(); i += step)
        b += parts.decode(in.mid(i, step));
    if (a != b)
        __builtin_trap();
    if (whole.pendingBytes() > int(FrameCodec::HeaderSize + FrameCodec::MaxPayload))
        __builtin_trap();

    for (const QByteArray& p : a) {
        if (quint32(p.size()) > FrameCodec::MaxPayload)
            __builtin_trap();
        const AnalyzerReply r = AnalyzerReply::parse(p);
        if (r.kind == AnalyzerReply::ResultSize && r.resultSize < 0)
            __builtin_trap();
        if (r.kind == AnalyzerReply::MachineId && r.machineId.isEmpty())
            __builtin_trap();
    }

    // Whatever the payload, its frame decodes to it, also after leftover bytes.
    const QByteArray payload = in.left(512);
    FrameCodec rt;
    rt.feed(in.left(7));
    rt.clear();
    const QList<QByteArray> c = rt.decode(FrameCodec::encode(payload));
    if (c.size() != 1 || c.first() != payload)
        __builtin_trap();
    return 0;
}
