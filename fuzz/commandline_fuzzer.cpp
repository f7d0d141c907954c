// The command-line argument text: its classification and the absolute path made of it.

#include "commandline.h"
#include "fuzzsupport.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString argument = QString::fromUtf8(fuzz::bytesOf(data, size));
    const ArgumentKind kind = classifyArgument(argument);
    ORV_FUZZ_CHECK((kind == ArgumentKind::Empty) == argument.isEmpty());

    const QString absolute = absoluteArgument(argument, QStringLiteral("/home/user/pictures"));
    ORV_FUZZ_CHECK(absolute.isEmpty() == argument.isEmpty());
    // The kind hangs on the argument's ending alone: an absolute path that keeps the
    // ending (cleaning may drop it, as from "a/..") keeps the kind.
    if (argument.size() >= 3 && absolute.endsWith(argument.right(4)))
        ORV_FUZZ_CHECK(classifyArgument(absolute) == kind);
    return 0;
}
