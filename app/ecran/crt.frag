// The single full-window pass: scales the native picture, continues it with
// the backdrop band wherever the window is not covered, and adds the tube.
// Texture reads per window pixel: one with the look off; three colour reads
// and one halo read with it on. The tube stages are compiled in only with
// TUBE defined: a software renderer runs both sides of a branch, so a look
// that is off must not even contain them.
uniform sampler2D source;      // native screen, natif.x x natif.y texels
uniform sampler2D halo;        // glow, same size, already blurred
uniform sampler2D marge;       // backdrop band, tailleMarge texels
uniform highp float eclatMarge;
uniform highp float miroirMarge;
uniform highp vec2 echelle;    // window pixels per native pixel
uniform highp vec2 origine;    // top-left of the picture in the window
uniform highp vec2 fenetre;    // window size
uniform highp vec2 tailleMarge;
uniform highp vec2 natif;
uniform highp float uActif;
uniform highp float uBalayage;
uniform highp float uLueur;
uniform highp float uCourbure;
uniform highp float uMasque;
uniform highp float uVignette;
uniform lowp float qt_Opacity;
varying highp vec2 qt_TexCoord0;

// Texel centres stay flat; only the last half output pixel before a texel
// edge slides towards the neighbour, so fractional scales keep square pixels
// with a one-pixel blend instead of a blur.
highp vec4 net(sampler2D t, highp vec2 taille, highp vec2 p)
{
    highp vec2 k = max(echelle, vec2(1.0));
    highp vec2 f = fract(p) - 0.5;
    highp vec2 m = 0.5 - 0.5 / k;
    return texture2D(t, (floor(p) + 0.5 + (f - clamp(f, -m, m)) * k) / taille);
}

highp vec3 lire(highp vec2 p)
{
    if (p.x >= 0.0 && p.y >= 0.0 && p.x < natif.x && p.y < natif.y)
        return net(source, natif, p).rgb;
    // The band's left end meets the picture's left edge; above and below it
    // is mirrored, a starry sky over the stalls and their reflection under.
    highp float periode = tailleMarge.x * (1.0 + miroirMarge);
    highp vec2 q;
    q.x = p.x - periode * floor(p.x / periode);
    if (q.x >= tailleMarge.x) q.x = 2.0 * tailleMarge.x - q.x;
    q.y = p.y < 0.0 ? -p.y : (p.y >= natif.y ? 2.0 * natif.y - p.y : p.y);
    q = clamp(q, vec2(0.0), tailleMarge - 0.001);
    return net(marge, tailleMarge, q).rgb * eclatMarge;
}

void main()
{
    highp vec2 n = qt_TexCoord0 * 2.0 - 1.0;
    highp float kx = 0.07 * uCourbure;
    highp float ky = 0.11 * uCourbure;
    highp float g = 1.0 + 0.024 * uCourbure;
    highp vec2 d = vec2(n.x * (1.0 + kx * n.y * n.y), n.y * (1.0 + ky * n.x * n.x)) * g;
    highp vec2 p = ((d + 1.0) * 0.5 * fenetre - origine) / echelle;
    highp vec3 c = lire(p);
#ifdef TUBE
    {
        c = 0.7 * c + 0.15 * (lire(p - vec2(0.25, 0.0)) + lire(p + vec2(0.25, 0.0)));
        highp float fy = fract(p.y) - 0.5;
        c *= 1.0 - uBalayage * 0.7 * 4.0 * fy * fy;
        highp float colonne = mod(floor(qt_TexCoord0.x * fenetre.x), 3.0);
        highp vec3 plein = vec3(equal(vec3(colonne), vec3(0.0, 1.0, 2.0)));
        c *= mix(vec3(1.0 - 0.4 * uMasque), vec3(1.0), plein);
        c *= 1.0 + 0.3 * max(uBalayage, uMasque);
        // The glow fades out within two native pixels outside the picture.
        if (uLueur > 0.0) {
            highp vec2 e = clamp(min(p, natif - p) * 0.5 + 1.0, 0.0, 1.0);
            c += uLueur * 0.95 * e.x * e.y * texture2D(halo, p / natif).rgb;
        }
        c = min(c, vec3(1.0));
        highp float r2 = dot(n, n);
        c *= 1.0 - 0.44 * uVignette * pow(r2, 1.6);
    }
#endif
    gl_FragColor = vec4(c, 1.0) * qt_Opacity;
}
