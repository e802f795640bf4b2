// The message a second start sends over the local socket, which anything of the user's may
// connect to. Control byte, then:
//   bit 0 clear: the rest as received bytes. Decoding never crashes; a whole message is
//                canonical (encoding what was read gives its bytes back), every shorter
//                prefix of it is still arriving, and a message cut short is never whole.
//   bit 0 set:   the rest cut at '|' into paths; whatever canEncode takes comes back as it was.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/InstanceMessage.h"

#include <QString>
#include <QStringList>

using Status = InstanceMessage::Status;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t control = in.byte();
    const QByteArray rest = in.rest();
    if (!(control & 1)) {
        const InstanceMessage::Decoded d = InstanceMessage::decode(rest);
        if (d.status != Status::Complete) {
            FUZZ_CHECK(d.files.isEmpty());
            return 0;
        }
        FUZZ_CHECK(d.length > 0 && d.length <= rest.size());
        FUZZ_CHECK(InstanceMessage::canEncode(d.files) || d.length > InstanceMessage::MaxBytes);
        const QByteArray message = rest.left(d.length);
        FUZZ_CHECK(InstanceMessage::encode(d.files) == message);
        // A few cuts, not every one: long inputs stay quick.
        for (qsizetype cut : {qsizetype(0), d.length / 2, d.length - 1})
            FUZZ_CHECK(InstanceMessage::decode(message.left(cut)).status == Status::Incomplete);
        return 0;
    }
    QStringList files;
    for (const QByteArray &piece : rest.split('|'))
        files << QString::fromUtf8(piece);
    if (!InstanceMessage::canEncode(files))
        return 0;
    const QByteArray bytes = InstanceMessage::encode(files);
    const InstanceMessage::Decoded d = InstanceMessage::decode(bytes);
    FUZZ_CHECK(d.status == Status::Complete);
    FUZZ_CHECK(d.files == files);
    FUZZ_CHECK(d.length == bytes.size());
    return 0;
}
