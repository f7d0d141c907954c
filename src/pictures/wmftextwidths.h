#pragma once

#include <array>
#include <map>
#include <utility>

struct _wmfAPI;
struct _wmfFont;

namespace orv {

// libwmf measures every string it places (for its alignment and the picture's
// bounds) by loading each glyph with FreeType, once while scanning the records
// and again while playing them: most of the time a metafile with text takes.
// The advance of a glyph in a face never changes, so while an object of this
// class lives, the strings of `api` are measured with each glyph of each face
// loaded once. The widths are exactly libwmf's own.
//
// Only for the conversion under way, with the lock that keeps libwmf to one
// metafile at a time held.
class WmfTextWidths
{
public:
    explicit WmfTextWidths(_wmfAPI *api);
    ~WmfTextWidths();
    WmfTextWidths(const WmfTextWidths &) = delete;
    WmfTextWidths &operator=(const WmfTextWidths &) = delete;

    int glyphsLoaded() const { return int(m_advances.size()); }

private:
    static float stringWidth(_wmfAPI *api, _wmfFont *font, char *text);
    long advance(void *face, unsigned glyph);
    // The glyph libwmf finds for the character byte `c` (a face's character
    // map is slow to search).
    unsigned glyphOf(void *face, char c);

    _wmfAPI *m_api;
    std::map<std::pair<void *, unsigned>, long> m_advances;
    // Per face and character byte: the glyph index + 1, or 0 when not looked up yet.
    std::map<void *, std::array<unsigned, 256>> m_glyphs;
};

} // namespace orv
