// Glow of the native picture, worked out once per native pixel so that the
// full-window pass needs a single read of it.
uniform sampler2D source;
uniform highp vec2 r;          // two native pixels, in texture units
uniform highp vec2 debut;      // the picture's part of the texture
uniform highp vec2 etendue;
uniform highp vec2 bas;        // centres of its first and last texels
uniform highp vec2 haut;
uniform lowp float qt_Opacity;
varying highp vec2 qt_TexCoord0;

// Kept on the picture's own texels, a read past its edge gives the edge's
// colour, as a texture of its own clamped to its edge would.
highp vec3 lire(highp vec2 u)
{
    return texture2D(source, clamp(u, bas, haut)).rgb;
}

void main()
{
    highp vec2 u = debut + qt_TexCoord0 * etendue;
    highp vec2 diag = 0.7 * r;
    highp vec2 anti = 0.7 * vec2(r.x, -r.y);
    highp vec3 c = lire(u + vec2(r.x, 0.0)) + lire(u - vec2(r.x, 0.0))
                 + lire(u + vec2(0.0, r.y)) + lire(u - vec2(0.0, r.y))
                 + lire(u + diag) + lire(u - diag)
                 + lire(u + anti) + lire(u - anti);
    gl_FragColor = vec4(c / 8.0, 1.0) * qt_Opacity;
}
