// What the tube does to each window pixel that does not depend on the picture:
// the scanline of the native row the curved pixel reads, the phosphor mask of
// its column, the brightness make-up and the vignette. Worked out once for a
// window size and a set of settings, and read by the picture pass (crt.frag).
// rgb: scanline x mask x make-up x vignette, divided by 1.3 (the largest
// make-up) to fit a texel; a: the vignette alone.
uniform highp vec2 versNatifA; // native point = curved window point (-1..1) x A + B
uniform highp vec2 versNatifB;
uniform highp vec2 fenetre;
uniform highp float uBalayage;
uniform highp float uCourbure;
uniform highp float uMasque;
uniform highp float uVignette;
uniform lowp float qt_Opacity;
varying highp vec2 qt_TexCoord0;

void main()
{
    highp vec2 n = qt_TexCoord0 * 2.0 - 1.0;
    highp float kx = 0.07 * uCourbure;
    highp float ky = 0.11 * uCourbure;
    highp float g = 1.0 + 0.024 * uCourbure;
    highp vec2 d = vec2(n.x * (1.0 + kx * n.y * n.y), n.y * (1.0 + ky * n.x * n.x)) * g;
    highp vec2 p = d * versNatifA + versNatifB;
    highp float fy = fract(p.y) - 0.5;
    highp vec3 f = vec3(1.0 - uBalayage * 0.7 * 4.0 * fy * fy);
    highp float colonne = mod(floor(qt_TexCoord0.x * fenetre.x), 3.0);
    highp vec3 plein = vec3(equal(vec3(colonne), vec3(0.0, 1.0, 2.0)));
    f *= mix(vec3(1.0 - 0.4 * uMasque), vec3(1.0), plein);
    f *= 1.0 + 0.3 * max(uBalayage, uMasque);
    highp float r2 = dot(n, n);
    highp float vignette = 1.0 - 0.44 * uVignette * pow(r2, 1.6);
    gl_FragColor = vec4(f * vignette / 1.3, vignette) * qt_Opacity;
}
