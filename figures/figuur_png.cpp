// The plot through cairo: its image surface and its own PNG writer, text in
// the system's sans-serif font.
// SPDX-License-Identifier: MIT
#include "png_uitvoer.h"

#include <cairo.h>
#include <memory>
#include <new>
#include <numbers>
#include <optional>

namespace {

void kies(cairo_t* cr, const Kleur& kleur)
{
  cairo_set_source_rgb(cr, kleur.rood / 255.0, kleur.groen / 255.0, kleur.blauw / 255.0);
}

struct CairoTekenaar {
  cairo_t* cr;

  // Fills the current path and, where there is one, strokes its outline.
  void vulEnOmrand(const Kleur& vulling, const std::optional<Kleur>& rand, Double dikte) const
  {
    kies(cr, vulling);
    if (!rand) {
      cairo_fill(cr);
      return;
    }
    cairo_fill_preserve(cr);
    kies(cr, *rand);
    cairo_set_line_width(cr, dikte);
    cairo_stroke(cr);
  }

  void operator()(const Lijn& l) const
  {
    cairo_move_to(cr, l.van.x, l.van.y);
    cairo_line_to(cr, l.naar.x, l.naar.y);
    kies(cr, l.kleur);
    cairo_set_line_width(cr, l.dikte);
    cairo_stroke(cr);
  }

  void operator()(const Rechthoek& r) const
  {
    cairo_rectangle(cr, r.hoek.x, r.hoek.y, r.breedte, r.hoogte);
    vulEnOmrand(r.vulling, r.rand, r.randDikte);
  }

  void operator()(const Cirkel& c) const
  {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.midden.x, c.midden.y, c.straal, 0.0, 2 * std::numbers::pi);
    vulEnOmrand(c.vulling, c.rand, c.randDikte);
  }

  void operator()(const Stelen& s) const
  {
    for (const Plek& kop : s.koppen) {
      if (kop.y < s.voet) {
        (*this)(Lijn{{kop.x, s.voet}, kop, s.kleur, s.steelDikte});
      }
      (*this)(Cirkel{kop, s.straal, s.kleur, s.kleur, s.randDikte});
    }
  }

  void operator()(const Kromme& k) const
  {
    cairo_save(cr);
    cairo_rectangle(cr, k.binnen.hoek.x, k.binnen.hoek.y, k.binnen.breedte, k.binnen.hoogte);
    cairo_clip(cr);
    for (const Plek& p : k.punten) {
      cairo_line_to(cr, p.x, p.y);
    }
    kies(cr, k.kleur);
    cairo_set_line_width(cr, k.dikte);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
  }

  void operator()(const Tekst& t) const
  {
    cairo_save(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           t.vet ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, t.grootte);
    cairo_text_extents_t maat{};
    cairo_text_extents(cr, t.tekst.c_str(), &maat);
    const Double deel = t.anker == Anker::begin ? 0.0 : t.anker == Anker::midden ? 0.5 : 1.0;
    cairo_translate(cr, t.plek.x, t.plek.y);
    if (t.staand) {
      cairo_rotate(cr, -std::numbers::pi / 2);
    }
    cairo_move_to(cr, -deel * maat.x_advance, 0.0);
    kies(cr, t.kleur);
    cairo_show_text(cr, t.tekst.c_str());
    cairo_restore(cr);
  }
};

cairo_status_t schrijfNaar(void* doel, const unsigned char* data, unsigned int lengte)
{
  try {
    static_cast<std::string*>(doel)->append(reinterpret_cast<const char*>(data), lengte);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

} // namespace

bool grafiekAlsPng()
{
  return true;
}

std::string figuurPng(const Figuur& figuur)
{
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> oppervlak(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, figuur.breedte, figuur.hoogte),
      cairo_surface_destroy);
  const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(oppervlak.get()),
                                                              cairo_destroy);
  if (figuur.achtergrond) {
    kies(cr.get(), *figuur.achtergrond);
    cairo_paint(cr.get());
  }
  const CairoTekenaar tekenaar{cr.get()};
  for (const Vorm& vorm : figuur.vormen) {
    std::visit(tekenaar, vorm);
  }
  cairo_surface_flush(oppervlak.get());
  std::string bytes;
  // Drawing to memory and encoding fail only for want of memory.
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_write_to_png_stream(oppervlak.get(), schrijfNaar, &bytes) !=
          CAIRO_STATUS_SUCCESS) {
    throw std::bad_alloc();
  }
  return bytes;
}
