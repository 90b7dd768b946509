// Glow of the native picture, worked out once per native pixel so that the
// full-window pass needs a single read of it. Drawn into a picture of the
// native size, by pieces where the native picture changed: the point comes
// from the pixel's own position, so that a pixel comes out the same whichever
// pieces are drawn with it.
uniform sampler2D source;
uniform highp vec2 r;             // two native pixels, in texture units
uniform highp vec2 inverseTaille; // 1 / the native size
uniform highp vec2 bas;           // centres of the first and last texels
uniform highp vec2 haut;

// Kept on the picture's own texels: a read past its edge gives the edge's
// colour.
highp vec3 lire(highp vec2 u)
{
    return texture2D(source, clamp(u, bas, haut)).rgb;
}

void main()
{
    highp vec2 u = gl_FragCoord.xy * inverseTaille;
    highp vec2 diag = 0.7 * r;
    highp vec2 anti = 0.7 * vec2(r.x, -r.y);
    highp vec3 c = lire(u + vec2(r.x, 0.0)) + lire(u - vec2(r.x, 0.0))
                 + lire(u + vec2(0.0, r.y)) + lire(u - vec2(0.0, r.y))
                 + lire(u + diag) + lire(u - diag)
                 + lire(u + anti) + lire(u - anti);
    gl_FragColor = vec4(c / 8.0, 1.0);
}
