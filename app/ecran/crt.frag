// The picture pass over one piece of the window: scales the native picture,
// continues it with the backdrop band wherever the window is not covered, and
// adds the tube. A software renderer pays for every operation and every
// texture read at every window pixel, so the pass does as little per pixel as
// it can:
// - the native picture is the only texture captured each frame; the band is
//   captured once, and only the frame around the middle ever reads it;
// - what does not change from pixel to pixel (scales, reciprocals, offsets,
//   the tube's strengths) is worked out once, in Crt.qml without the tube and
//   in tube::uniformes with it; without the tube, what is affine in the
//   window point comes interpolated from the vertices (crt.vert);
// - with the tube, the pass draws into the picture `Tube` keeps, and only
//   over the tiles that read native pixels that changed;
// - the tube's own factors (scanline, phosphor mask, make-up, vignette) are
//   a few operations here, cheaper than reading them from a texture of the
//   window's size;
// - variants, by #define, rather than branches, because such a renderer runs
//   both sides of every branch:
//     TUBE         the tube look is on (drawn by Tube, with the uniforms
//                  of tube.frag before this text);
//     LUEUR        with TUBE, the glow is above 0;
//     INTERIEUR    this piece only ever reads the native picture, with the
//                  softening's quarter pixel to spare: no band;
//     DOUX_UNIQUE  at two window pixels or more per native pixel: the
//                  softening's three reads in one (see douxUnique()).
// Texture reads per window pixel: one with the look off in the middle, two in
// the frame; with it on, add one halo read.
//
// Positions are native points less half a pixel (c = p - 0.5), so that texel
// centres fall on whole numbers.
uniform sampler2D source;      // native picture, natif texels
uniform sampler2D marge;       // backdrop band, tailleMarge texels
uniform highp float eclatMarge;
uniform highp float miroirMarge;
uniform highp vec2 pente;      // max(window pixels per native pixel, 1)
uniform highp vec2 decale;     // 0.5 - 0.5 x pente
uniform highp vec2 tailleMarge;
uniform highp vec2 natif;
uniform highp vec2 inverseNatif; // 1 / natif
uniform highp vec2 inverseMarge; // 1 / tailleMarge
uniform lowp float qt_Opacity;
#ifndef TUBE
varying highp vec2 vC;         // c of the window point
#endif

// Where a sharp read at c lands, in texels. Between the centres floor(c) and
// floor(c) + 1 the read stays on the left one, slides to the right one over
// the last half output pixel before the texel edge and the first half after
// it, and stays there: fractional scales keep square pixels with a one-pixel
// blend instead of a blur.
highp vec2 glisse(highp vec2 c)
{
    highp vec2 b = floor(c);
    return b + clamp((c - b) * pente + decale, 0.0, 1.0);
}

#ifdef DOUX_UNIQUE
// The horizontal softening (0.7 of the read at c, 0.15 of each read a quarter
// native pixel to its side) as one read; b = floor(c), f = c - b. A linearly
// filtered read is affine in its position between two texel centres. At two
// window pixels or more per native pixel the flat middle of a texel is at
// least half a native pixel wide, so the three positions always fall between
// the same two centres (b and b + 1): the weighted mean of the positions,
// read once, is the weighted mean of the three reads.
highp vec2 douxUnique(highp vec2 b, highp vec2 f)
{
    highp vec3 g = clamp(f.x * pente.x + decaleDoux, 0.0, 1.0);
    return b + vec2(dot(g, vec3(0.15, 0.7, 0.15)), clamp(f.y * pente.y + decale.y, 0.0, 1.0));
}
#endif

// Reads at texel position t; each texture is clamped to its own edge, so a
// read that slides past the last texel gives the edge's colour.
highp vec3 natifEn(highp vec2 t)
{
    return texture2D(source, t * inverseNatif + 0.5 * inverseNatif).rgb;
}

#ifndef INTERIEUR
highp vec3 margeEn(highp vec2 t)
{
    return texture2D(marge, t * inverseMarge + 0.5 * inverseMarge).rgb * eclatMarge;
}

bool dansImage(highp vec2 c)
{
    return c.x >= -0.5 && c.y >= -0.5 && c.x < natif.x - 0.5 && c.y < natif.y - 0.5;
}

// The point of the band (as a c) shown at c outside the picture. The band's
// left end meets the picture's left edge; above and below it is mirrored, a
// starry sky over the stalls and their reflection under.
highp vec2 pointMarge(highp vec2 c)
{
    highp vec2 p = c + 0.5;
    highp float periode = tailleMarge.x * (1.0 + miroirMarge);
    highp vec2 q;
    q.x = p.x - periode * floor(p.x / periode);
    if (q.x >= tailleMarge.x) q.x = 2.0 * tailleMarge.x - q.x;
    q.y = p.y < 0.0 ? -p.y : (p.y >= natif.y ? 2.0 * natif.y - p.y : p.y);
    return clamp(q, vec2(0.0), tailleMarge - 0.001) - 0.5;
}

// A sharp read of the picture or of the band at c.
highp vec3 lire(highp vec2 c)
{
    bool dedans = dansImage(c);
    highp vec2 t = glisse(dedans ? c : pointMarge(c));
    return dedans ? natifEn(t) : margeEn(t);
}
#endif

#ifdef TUBE
// The softened colour at c; b = floor(c), f = c - b.
highp vec3 doux(highp vec2 c, highp vec2 b, highp vec2 f)
{
#if defined(INTERIEUR) && defined(DOUX_UNIQUE)
    return natifEn(douxUnique(b, f));
#elif defined(INTERIEUR)
    return 0.7 * natifEn(glisse(c)) + 0.15 * (natifEn(glisse(c - vec2(0.25, 0.0)))
                                              + natifEn(glisse(c + vec2(0.25, 0.0))));
#elif defined(DOUX_UNIQUE)
    // Around the middle the same single read, made in the picture the point
    // at c falls in. The softening is symmetric, so the band's mirrored
    // stretches need no care. Only a window pixel whose quarter pixels
    // straddle the picture's edge loses the 0.15 of the other side: one
    // column of pixels along the edge, a few levels of brightness.
    bool dedans = dansImage(c);
    highp vec2 a = dedans ? c : pointMarge(c);
    highp vec2 ba = floor(a);
    highp vec2 t = douxUnique(ba, a - ba);
    return dedans ? natifEn(t) : margeEn(t);
#else
    return 0.7 * lire(c) + 0.15 * (lire(c - vec2(0.25, 0.0)) + lire(c + vec2(0.25, 0.0)));
#endif
}
#endif

void main()
{
#ifdef TUBE
    highp vec2 vN = gl_FragCoord.xy * inversePixels * 2.0 - 1.0; // window point, -1..1
    highp float vX = gl_FragCoord.x * parPixel;                // window column
    highp vec2 c = vN * (1.0 + courbe * (vN * vN).yx) * versNatifG + versNatifC;
    highp vec2 b = floor(c);
    highp vec2 f = c - b;
    // The scanline, darkest halfway between two native rows.
    highp float fy = min(f.y, 1.0 - f.y);
    highp float ligne = 1.0 - balayage * fy * fy;
    // The phosphor mask: of each three window columns, the first keeps all
    // its red, the second its green, the third its blue; the make-up is in
    // both of its levels.
    highp float colonne = vX - 3.0 * floor(vX * (1.0 / 3.0));
    highp vec3 plein = step(abs(vec3(colonne) - vec3(0.5, 1.5, 2.5)), vec3(0.5));
    highp vec3 teinte = mix(vec3(masque.y), vec3(masque.x), plein);
    // The vignette; r2^1.6 as r2 x (a + b r + c r2) with r = sqrt(r2), within
    // 0.0016 of it over the whole window (r2 <= 2), where pow() would cost a
    // logarithm and an exponential at every pixel.
    highp float r2 = dot(vN, vN);
    highp float v = 1.0 - vignette * r2 * (-0.0695752 + 0.944466 * sqrt(r2) + 0.125204 * r2);
    highp vec3 couleur = doux(c, b, f) * (teinte * (ligne * v));
#ifdef LUEUR
    highp vec2 h = c * inverseNatif + 0.5 * inverseNatif;
#ifdef INTERIEUR
    couleur += (forceLueur * v) * texture2D(halo, h).rgb;
#else
    // The glow fades out within two native pixels outside the picture.
    highp vec2 e = clamp(min(c + 0.5, natif - 0.5 - c) * 0.5 + 1.0, 0.0, 1.0);
    couleur += (forceLueur * v * e.x * e.y) * texture2D(halo, h).rgb;
#endif
#endif
    gl_FragColor = vec4(min(couleur, vec3(v)), 1.0) * qt_Opacity;
#elif defined(INTERIEUR)
    gl_FragColor = vec4(natifEn(glisse(vC)), 1.0) * qt_Opacity;
#else
    gl_FragColor = vec4(lire(vC), 1.0) * qt_Opacity;
#endif
}
