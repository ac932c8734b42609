#include "Lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>

namespace assets {

namespace {

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("FreeType failed to start");
        return l;
    }();
    return lib;
}

// Collects an outline in font units into a path, mirrored so that y grows downwards.
struct OutlineSink {
    Path path;
    double scale;
    Vec2 at(const FT_Vector* v) const { return {double(v->x) * scale, -double(v->y) * scale}; }
};

int moveTo(const FT_Vector* to, void* user) {
    auto* s = static_cast<OutlineSink*>(user);
    if (!s->path.empty()) s->path.close();
    s->path.moveTo(s->at(to));
    return 0;
}

int lineTo(const FT_Vector* to, void* user) {
    auto* s = static_cast<OutlineSink*>(user);
    s->path.lineTo(s->at(to));
    return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* s = static_cast<OutlineSink*>(user);
    s->path.quadTo(s->at(control), s->at(to));
    return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* s = static_cast<OutlineSink*>(user);
    s->path.cubicTo(s->at(c1), s->at(c2), s->at(to));
    return 0;
}

}  // namespace

struct Typeface::Face {
    FT_Face face = nullptr;
    double unitsPerEm = 1;

    void load(char32_t code) const {
        const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(code));
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
            throw std::runtime_error("cannot load a glyph");
    }
};

Typeface::Typeface(const std::string& name) : face_(std::make_unique<Face>()) {
    const std::string file = std::string(TARVO_FONT_DIR) + "/" + name + ".ttf";
    if (FT_New_Face(library(), file.c_str(), 0, &face_->face) != 0)
        throw std::runtime_error("cannot open the font " + file);
    face_->unitsPerEm = face_->face->units_per_EM;
}

Typeface::~Typeface() { FT_Done_Face(face_->face); }

Path Typeface::glyph(char32_t code, double size) const {
    face_->load(code);
    OutlineSink sink{{}, size / face_->unitsPerEm};
    const FT_Outline_Funcs funcs{moveTo, lineTo, conicTo, cubicTo, 0, 0};
    FT_Outline_Decompose(&face_->face->glyph->outline, &funcs, &sink);
    if (!sink.path.empty()) sink.path.close();
    return sink.path;
}

double Typeface::advance(char32_t code, double size) const {
    face_->load(code);
    return double(face_->face->glyph->advance.x) * size / face_->unitsPerEm;
}

double Typeface::kerning(char32_t left, char32_t right, double size) const {
    FT_Vector k{0, 0};
    FT_Get_Kerning(face_->face, FT_Get_Char_Index(face_->face, FT_ULong(left)),
                   FT_Get_Char_Index(face_->face, FT_ULong(right)), FT_KERNING_UNSCALED, &k);
    return double(k.x) * size / face_->unitsPerEm;
}

Path textLine(const Typeface& face, const std::string& text, double size, double tracking) {
    Path line;
    double x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t code = static_cast<unsigned char>(text[i]);
        if (i > 0) x += face.kerning(static_cast<unsigned char>(text[i - 1]), code, size) + tracking;
        line.append(face.glyph(code, size).transformed(Affine::translate(x, 0)));
        x += face.advance(code, size);
    }
    return line;
}

Path centredOn(const Path& path, double x, double y) {
    const Bounds b = path.bounds();
    return path.transformed(Affine::translate(x - (b.left + b.right) / 2, y - (b.top + b.bottom) / 2));
}

Path centredOnBaseline(const Path& line, double x, double baseline) {
    const Bounds b = line.bounds();
    return line.transformed(Affine::translate(x - (b.left + b.right) / 2, baseline));
}

}  // namespace assets
