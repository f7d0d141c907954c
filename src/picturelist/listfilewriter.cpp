#include "listfilewriter.h"

#include "listfilefield.h"
#include "listfileformat.h"
#include "listfilelongnames.h"
#include "savefilecommit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace orv {

namespace {

using Format = ListFileFormat;

constexpr qint64 CopyChunk = 1024 * 1024;

} // namespace

QByteArray ListFileWriter::records(const std::vector<PictureEntry> &entries)
{
    QByteArray out;
    out.reserve(qsizetype(entries.size() + 1) * Format::RecordSize);
    // One record buffer, as the end record keeps the folder of the last entry.
    QByteArray folder(Format::FolderWidth, ' ');
    const QByteArray unused(Format::UnusedWidth, ' ');
    for (const PictureEntry &e : entries) {
        folder = ListFileField::encode(e.folder, Format::FolderWidth);
        out.append(ListFileField::encode(e.name, Format::NameWidth));
        out.append(folder);
        out.append(unused);
    }
    out.append(Format::endName());
    out.append(folder);
    out.append(unused);
    return out;
}

QByteArray ListFileWriter::overlay(const QByteArray &records, const QByteArray &block, QByteArray old)
{
    const QByteArray head = records + block;
    if (block.isEmpty()) {
        // An old block that would fit these very records (same entries, cut
        // the same way, but now whole names) must not outlive this save.
        const QByteArrayView after = QByteArrayView(old).sliced(std::min(old.size(), records.size()));
        if (ListFileLongNames::isBoundTo(
                after.first(std::min<qsizetype>(after.size(), ListFileLongNames::SignatureSize)), records))
            old.replace(records.size(), ListFileLongNames::magic().size(),
                        QByteArray(ListFileLongNames::magic().size(), '\0'));
    }
    if (old.size() < head.size())
        old.resize(head.size());
    old.replace(0, head.size(), head);
    return old;
}

QByteArray ListFileWriter::compose(const std::vector<PictureEntry> &entries, const QByteArray &old)
{
    const QByteArray recs = records(entries);
    return overlay(recs, ListFileLongNames::encode(entries, recs), old);
}

ListFileWriter::Result ListFileWriter::write(const QString &path, const std::vector<PictureEntry> &entries)
{
    const QByteArray recs = records(entries);
    const QByteArray block = ListFileLongNames::encode(entries, recs);

    // Only the part of the old file that the new content covers (and the
    // record after it) is needed here; the rest is copied over unchanged.
    QFile old(path);
    const bool haveOld = old.exists() && old.open(QIODevice::ReadOnly);
    QByteArray oldHead;
    if (haveOld)
        oldHead = old.read(
            std::max(recs.size() + block.size(), recs.size() + qsizetype(ListFileLongNames::SignatureSize)));
    const QByteArray head = overlay(recs, block, oldHead);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString()};
    if (out.write(head) != head.size())
        return {false, out.errorString()};
    if (haveOld && old.size() > head.size() && old.seek(head.size())) {
        while (!old.atEnd()) {
            const QByteArray chunk = old.read(CopyChunk);
            if (chunk.isEmpty())
                return {false, old.errorString()};
            if (out.write(chunk) != chunk.size())
                return {false, out.errorString()};
        }
    }
    if (const QString why = commitWhole(out); !why.isEmpty())
        return {false, why};
    return {};
}

QString listSaveFailureText(const QString &path, const QString &errorString)
{
    // The old file, if any, is left whole; say so rather than keep quiet.
    return QCoreApplication::translate("ListFileWriter", "The list could not be saved to %1.\n%2\nThe file was not changed.")
        .arg(QDir::toNativeSeparators(path), errorString);
}

} // namespace orv
