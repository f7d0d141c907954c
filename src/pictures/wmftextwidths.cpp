#include "wmftextwidths.h"

#include <libwmf/api.h>
#include <libwmf/font.h>
#include <libwmf/ipa.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace orv {

namespace {
// The measure under way: libwmf converts one metafile at a time.
WmfTextWidths *g_current = nullptr;
// libwmf's own measure, put back afterwards.
wmfStringWidth g_libwmfWidth = nullptr;
} // namespace

WmfTextWidths::WmfTextWidths(_wmfAPI *api) : m_api(api)
{
    auto *fonts = static_cast<wmfFontData *>(api->font_data);
    if (!fonts)
        return;
    g_current = this;
    g_libwmfWidth = fonts->stringwidth;
    fonts->stringwidth = &WmfTextWidths::stringWidth;
}

WmfTextWidths::~WmfTextWidths()
{
    if (g_current != this)
        return;
    if (auto *fonts = static_cast<wmfFontData *>(m_api->font_data))
        fonts->stringwidth = g_libwmfWidth;
    g_current = nullptr;
}

long WmfTextWidths::advance(void *face, unsigned glyph)
{
    const auto key = std::make_pair(face, glyph);
    if (const auto known = m_advances.find(key); known != m_advances.end())
        return known->second;
    // As libwmf loads it: hinted, at the size set by stringWidth().
    const auto ft = static_cast<FT_Face>(face);
    long width = 0;
    if (FT_Load_Glyph(ft, glyph, FT_LOAD_DEFAULT) == 0 && ft->glyph)
        width = ft->glyph->advance.x >> 6;
    m_advances.emplace(key, width);
    return width;
}

unsigned WmfTextWidths::glyphOf(void *face, char c)
{
    unsigned &known = m_glyphs[face][static_cast<unsigned char>(c)];
    // As libwmf looks it up: the character as a signed number.
    if (known == 0)
        known = FT_Get_Char_Index(static_cast<FT_Face>(face), FT_ULong(c)) + 1;
    return known - 1;
}

// libwmf's arithmetic, step by step: the string at 12 points and 300 x 100
// dots per inch, whole pixels per glyph and kerning pair, then points for a
// one-point font, so text lands where libwmf would put it.
float WmfTextWidths::stringWidth(_wmfAPI *api, _wmfFont *font, char *text)
{
    FT_Face face = WMF_FONT_FTFACE(font);
    if (!g_current)
        return g_libwmfWidth ? g_libwmfWidth(api, font, text) : 0.0f;
    if (!face || !text)
        return 0.0f;
    FT_Set_Char_Size(face, 0, 12 * 64, 300, 100);
    FT_Set_Transform(face, nullptr, nullptr);
    const bool kerning = FT_HAS_KERNING(face);
    FT_UInt previous = 0;
    float width = 0;
    for (const char *c = text; *c; ++c) {
        const FT_UInt glyph = g_current->glyphOf(face, *c);
        if (kerning && previous && glyph) {
            FT_Vector delta{0, 0};
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &delta);
            width += float(delta.x >> 6);
        }
        if (glyph)
            width += float(g_current->advance(face, glyph));
        previous = glyph;
    }
    return width * 72 / (300 * 12);
}

} // namespace orv
