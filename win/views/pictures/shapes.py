"""Small pictures made of shapes given by their signed distance: negative inside, in units of
the picture's side (0 to 1 across and down). A shape is filled and outlined, later shapes
over earlier ones, and every pixel is sampled several times so that edges are smooth."""
import math


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(left, top, right, bottom, radius=0.0):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def segment(x0, y0, x1, y1, half_width):
    def distance(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) - half_width
    return distance


def polygon(points):
    def distance(x, y):
        best = float('inf')
        inside = False
        for i, (ax, ay) in enumerate(points):
            bx, by = points[i - 1]
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
            if (ay > y) != (by > y) and x < ax + (y - ay) * dx / (by - ay):
                inside = not inside
        return -best if inside else best
    return distance


def gear(cx, cy, r, teeth, depth):
    def distance(x, y):
        angle = math.atan2(y - cy, x - cx)
        edge = r + (depth if math.cos(teeth * angle) > 0 else 0.0)
        return math.hypot(x - cx, y - cy) - edge
    return distance


def cut(shape, hole):
    """The shape without the hole."""
    return lambda x, y: max(shape(x, y), -hole(x, y))


def render(layers, size, outline_px=1.0, samples=4):
    """Returns pixel(x, y) of a size x size picture of the layers, each (shape, fill, outline),
    and a coverage(x, y) from 0 to 1 of how much of the pixel the layers cover."""
    outline = outline_px / size
    cache = {}

    def colour_at(u, v):
        colour = None
        for shape, fill, edge in layers:
            d = shape(u, v)
            if d < -outline:
                colour = fill
            elif d < 0:
                colour = edge
        return colour

    def sampled(x, y):
        if (x, y) not in cache:
            colours = []
            for i in range(samples):
                for j in range(samples):
                    c = colour_at((x + (i + 0.5) / samples) / size, (y + (j + 0.5) / samples) / size)
                    if c is not None:
                        colours.append(c)
            covered = len(colours) / (samples * samples)
            mean = tuple(round(sum(c[k] for c in colours) / len(colours)) for k in range(3)) if colours else None
            cache[(x, y)] = (mean, covered)
        return cache[(x, y)]

    return sampled
