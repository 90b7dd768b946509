// The picture pass over one piece of the window: scales the native picture,
// continues it with the backdrop band wherever the window is not covered, and
// adds the tube. A software renderer pays for every operation at every window
// pixel, so the pass does as little per pixel as it can:
// - the native picture is the only texture captured each frame; the band is
//   captured once, and only the frame around the middle ever reads it;
// - what the tube does to a window pixel that never changes while the window
//   and the settings stay (scanline, phosphor mask, make-up, vignette) is
//   worked out once into the texture `facteurs` (crt_facteurs.frag);
// - variants, by #define, rather than branches, because such a renderer runs
//   both sides of every branch:
//     TUBE         the tube look is on;
//     LUEUR        with TUBE, the glow is above 0;
//     INTERIEUR    this piece only ever reads the native picture, with the
//                  softening's quarter pixel to spare: no band;
//     DOUX_UNIQUE  at two window pixels or more per native pixel: the
//                  softening's three reads in one (see positionDouce()).
// Texture reads per window pixel: one with the look off in the middle, two in
// the frame; with it on, add one halo read and one read of the factors.
uniform sampler2D source;      // native picture, natif texels
uniform sampler2D marge;       // backdrop band, tailleMarge texels
uniform sampler2D halo;        // glow of the native picture, natif texels
uniform sampler2D facteurs;    // the still tube factors, one texel per window pixel
uniform highp float eclatMarge;
uniform highp float miroirMarge;
uniform highp vec2 versNatifA; // native point = curved window point (-1..1) x A + B
uniform highp vec2 versNatifB;
uniform highp vec2 pente;      // max(window pixels per native pixel, 1)
uniform highp vec2 plat;       // 0.5 - 0.5 / pente: half the flat middle of a texel
uniform highp vec2 tailleMarge;
uniform highp vec2 natif;
uniform highp float uLueur;
uniform highp float uCourbure;
uniform lowp float qt_Opacity;
varying highp vec2 vN;         // window point, -1..1 (crt.vert)
varying highp vec2 vU;         // window point, 0..1

// Where a sharp read at point x lands, in texels (an integer is a texel's
// centre). Texel centres stay flat; only the last half output pixel before a
// texel edge slides towards the neighbour, so fractional scales keep square
// pixels with a one-pixel blend instead of a blur.
highp vec2 glisse(highp vec2 x)
{
    highp vec2 b = floor(x);
    highp vec2 f = x - b - 0.5;
    return b + (f - clamp(f, -plat, plat)) * pente;
}

#ifdef DOUX_UNIQUE
// The horizontal softening (0.7 of the read at a, 0.15 of each read a quarter
// native pixel to its side) as one read. A linearly filtered read is affine in
// its position between two texel centres. At two window pixels or more per
// native pixel, the flat middle of a texel is at least half a native pixel
// wide, so the three positions always fall between the same two centres: the
// weighted mean of the positions, read once, is the weighted mean of the
// three reads.
highp vec2 positionDouce(highp vec2 a)
{
    highp vec3 x = a.x + vec3(-0.25, 0.0, 0.25);
    highp vec3 b = floor(x);
    highp vec3 f = x - b - 0.5;
    highp vec3 gx = b + (f - clamp(f, -plat.x, plat.x)) * pente.x;
    highp float by = floor(a.y);
    highp float fy = a.y - by - 0.5;
    return vec2(dot(gx, vec3(0.15, 0.7, 0.15)), by + (fy - clamp(fy, -plat.y, plat.y)) * pente.y);
}
#endif

// Reads at texel position t; each texture is clamped to its own edge, so a
// read that slides past the last texel gives the edge's colour.
highp vec3 natifEn(highp vec2 t)
{
    return texture2D(source, (t + 0.5) / natif).rgb;
}

#ifndef INTERIEUR
highp vec3 margeEn(highp vec2 t)
{
    return texture2D(marge, (t + 0.5) / tailleMarge).rgb * eclatMarge;
}

bool dansImage(highp vec2 p)
{
    return p.x >= 0.0 && p.y >= 0.0 && p.x < natif.x && p.y < natif.y;
}

// The point of the band shown at native point p outside the picture. The
// band's left end meets the picture's left edge; above and below it is
// mirrored, a starry sky over the stalls and their reflection under.
highp vec2 pointMarge(highp vec2 p)
{
    highp float periode = tailleMarge.x * (1.0 + miroirMarge);
    highp vec2 q;
    q.x = p.x - periode * floor(p.x / periode);
    if (q.x >= tailleMarge.x) q.x = 2.0 * tailleMarge.x - q.x;
    q.y = p.y < 0.0 ? -p.y : (p.y >= natif.y ? 2.0 * natif.y - p.y : p.y);
    return clamp(q, vec2(0.0), tailleMarge - 0.001);
}

// A sharp read of the picture or of the band at native point p.
highp vec3 lire(highp vec2 p)
{
    bool dedans = dansImage(p);
    highp vec2 t = glisse(dedans ? p : pointMarge(p));
    return dedans ? natifEn(t) : margeEn(t);
}
#endif

#ifdef TUBE
highp vec3 doux(highp vec2 p)
{
#if defined(INTERIEUR) && defined(DOUX_UNIQUE)
    return natifEn(positionDouce(p));
#elif defined(INTERIEUR)
    return 0.7 * natifEn(glisse(p)) + 0.15 * (natifEn(glisse(p - vec2(0.25, 0.0)))
                                              + natifEn(glisse(p + vec2(0.25, 0.0))));
#elif defined(DOUX_UNIQUE)
    // Around the middle the same single read, made in the picture the point
    // at p falls in. The softening is symmetric, so the band's mirrored
    // stretches need no care. Only a window pixel whose quarter pixels
    // straddle the picture's edge loses the 0.15 of the other side: one
    // column of pixels along the edge, a few levels of brightness.
    bool dedans = dansImage(p);
    highp vec2 t = positionDouce(dedans ? p : pointMarge(p));
    return dedans ? natifEn(t) : margeEn(t);
#else
    return 0.7 * lire(p) + 0.15 * (lire(p - vec2(0.25, 0.0)) + lire(p + vec2(0.25, 0.0)));
#endif
}
#endif

void main()
{
#ifdef TUBE
    highp vec2 n2 = vN * vN;
    highp vec2 d = vN * (1.0 + vec2(0.07, 0.11) * uCourbure * n2.yx) * (1.0 + 0.024 * uCourbure);
    highp vec2 p = d * versNatifA + versNatifB;
    // Scanline, mask, make-up (scaled by 1 / 1.3 to fit a texel) and the
    // vignette in rgb; the vignette alone in a.
    highp vec4 k = texture2D(facteurs, vU);
    highp vec3 c = doux(p) * (k.rgb * 1.3);
#ifdef LUEUR
#ifdef INTERIEUR
    c += (uLueur * 0.95 * k.a) * texture2D(halo, p / natif).rgb;
#else
    // The glow fades out within two native pixels outside the picture.
    highp vec2 e = clamp(min(p, natif - p) * 0.5 + 1.0, 0.0, 1.0);
    c += (uLueur * 0.95 * k.a * e.x * e.y) * texture2D(halo, p / natif).rgb;
#endif
#endif
    c = min(c, vec3(k.a));
#else
    highp vec2 p = vN * versNatifA + versNatifB;
#ifdef INTERIEUR
    highp vec3 c = natifEn(glisse(p));
#else
    highp vec3 c = lire(p);
#endif
#endif
    gl_FragColor = vec4(c, 1.0) * qt_Opacity;
}
