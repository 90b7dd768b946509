// The picture pass over one piece of the window: scales the native picture,
// continues it with the backdrop band wherever the window is not covered, and
// adds the tube. A software renderer pays for every operation at every window
// pixel, so the pass does as little per pixel as it can:
// - both pictures live in one texture, the planche (the native screen at its
//   top-left, the band under it), so that any read is a single texture read;
// - what the tube does to a window pixel that never changes while the window
//   and the settings stay (scanline, phosphor mask, make-up, vignette) is
//   worked out once into the texture `facteurs` (crt_facteurs.frag);
// - variants, by #define, rather than branches, because such a renderer runs
//   both sides of every branch:
//     TUBE         the tube look is on;
//     LUEUR        with TUBE, the glow is above 0;
//     INTERIEUR    this piece only ever reads the native picture, with the
//                  softening's quarter pixel to spare: no band;
//     DOUX_UNIQUE  with INTERIEUR, at two window pixels or more per native
//                  pixel: the softening's three reads in one (see doux()).
// Texture reads per window pixel: one with the look off; with it on, one
// colour read, one halo read and one read of the factors inside, three colour
// reads in the frame around.
uniform sampler2D planche;     // native picture at (0, 0), band at (0, natif.y)
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
uniform highp vec2 taillePlanche;
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

// One read of the picture of size s placed at o in the planche, at texel
// position t; kept on its own texels, as a texture of its own would be.
highp vec3 texel(highp vec2 t, highp vec2 o, highp vec2 s)
{
    return texture2D(planche, (o + clamp(t, vec2(0.0), s - 1.0) + 0.5) / taillePlanche).rgb;
}

#ifdef INTERIEUR
// Inside, a read can only run over the right and bottom edges (into the empty
// part of the planche and into the band): the left and top ones are the
// planche's own, clamped by the texture itself.
highp vec3 natifEn(highp vec2 t)
{
    return texture2D(planche, (min(t, natif - 1.0) + 0.5) / taillePlanche).rgb;
}
#else
highp vec3 lire(highp vec2 p)
{
    bool dedans = p.x >= 0.0 && p.y >= 0.0 && p.x < natif.x && p.y < natif.y;
    // The band's left end meets the picture's left edge; above and below it
    // is mirrored, a starry sky over the stalls and their reflection under.
    highp float periode = tailleMarge.x * (1.0 + miroirMarge);
    highp vec2 q;
    q.x = p.x - periode * floor(p.x / periode);
    if (q.x >= tailleMarge.x) q.x = 2.0 * tailleMarge.x - q.x;
    q.y = p.y < 0.0 ? -p.y : (p.y >= natif.y ? 2.0 * natif.y - p.y : p.y);
    q = clamp(q, vec2(0.0), tailleMarge - 0.001);
    highp vec3 c = texel(glisse(dedans ? p : q), dedans ? vec2(0.0) : vec2(0.0, natif.y),
                         dedans ? natif : tailleMarge);
    return dedans ? c : c * eclatMarge;
}
#endif

#ifdef TUBE
// Horizontal softening: 0.7 of the read at p and 0.15 of each read a quarter
// native pixel to its side.
highp vec3 doux(highp vec2 p)
{
#if defined(INTERIEUR) && defined(DOUX_UNIQUE)
    // A linearly filtered read is affine in its position between two texel
    // centres. At two window pixels or more per native pixel, the flat middle
    // of a texel is at least half a native pixel wide, so the three positions
    // always fall between the same two centres: the weighted mean of the
    // positions, read once, is the weighted mean of the three reads.
    highp vec3 x = p.x + vec3(-0.25, 0.0, 0.25);
    highp vec3 b = floor(x);
    highp vec3 f = x - b - 0.5;
    highp vec3 gx = b + (f - clamp(f, -plat.x, plat.x)) * pente.x;
    highp float by = floor(p.y);
    highp float fy = p.y - by - 0.5;
    highp vec2 t = vec2(dot(gx, vec3(0.15, 0.7, 0.15)),
                        by + (fy - clamp(fy, -plat.y, plat.y)) * pente.y);
    return natifEn(t);
#elif defined(INTERIEUR)
    return 0.7 * natifEn(glisse(p)) + 0.15 * (natifEn(glisse(p - vec2(0.25, 0.0)))
                                              + natifEn(glisse(p + vec2(0.25, 0.0))));
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
