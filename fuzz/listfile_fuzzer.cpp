// A list file of any bytes: ListFileReader (records, end record, long-name block).
// Checks beyond "no crash": the entries come only from whole records, and a list
// written back by ListFileWriter reads back as the same entries.

#include "fuzzsupport.h"
#include "listfilefield.h"
#include "listfileformat.h"
#include "listfilereader.h"
#include "listfilewriter.h"

using namespace orv;

namespace {

bool endsTheList(const PictureEntry &entry)
{
    return ListFileFormat::isEndRecord(ListFileField::encode(entry.name, ListFileFormat::NameWidth));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const ListFileReader::Result read = ListFileReader::parse(bytes);
    ORV_FUZZ_CHECK(read.error == 0);
    // A record counts once its name and folder are there (its unused bytes may be missing).
    ORV_FUZZ_CHECK(qsizetype(read.entries.size()) <=
                   (bytes.size() + ListFileFormat::UnusedWidth) / ListFileFormat::RecordSize);
    ORV_FUZZ_CHECK(!read.longNamesApplied || read.endRecordFound);

    // Saving what was read and opening it again gives the list the user saw. The format
    // cannot hold a name whose field is the end mark ("eof", or "eof" and blanks followed
    // by more): the list read back ends before it, with the names cut to their fields.
    const QByteArray saved = ListFileWriter::compose(read.entries, bytes);
    const ListFileReader::Result again = ListFileReader::parse(saved);
    ORV_FUZZ_CHECK(again.endRecordFound);
    size_t storable = 0;
    while (storable < read.entries.size() && !endsTheList(read.entries[storable]))
        ++storable;
    ORV_FUZZ_CHECK(again.entries.size() == storable);
    const bool whole = storable == read.entries.size();
    for (size_t i = 0; i < storable; ++i) {
        const PictureEntry &e = read.entries[i];
        const auto cut = [](const QString &text, int width) {
            return ListFileField::decode(ListFileField::encode(text, width));
        };
        ORV_FUZZ_CHECK(again.entries[i].name == (whole ? e.name : cut(e.name, ListFileFormat::NameWidth)));
        ORV_FUZZ_CHECK(again.entries[i].folder ==
                       (whole ? e.folder : cut(e.folder, ListFileFormat::FolderWidth)));
    }
    return 0;
}
