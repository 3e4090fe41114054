"""The checks of scripts/real-input-tools-test on the drawings it saves: what the mask tools and the
tools started from a dialog made, compared with the pointer's moves in drawing units.

    real-input-pictures.py COMMAND DRAWING ARGUMENTS...

Each command prints nothing when the drawing holds what it expects, else what differs (and exits
with 1). Pixels are screen pixels of the view at zoom 1 and 72 dpi: one is 25.4 / 72 mm. A
picture's mask outline is stored relative to its start corner.
"""
import re
import sys

PX = 25.4 / 72
# The file keeps 5 decimals, cut: a value read back is within this of the one the program held.
FILE = 2e-5
# A position the program read from the pointer: the pixel the pointer was on.
POINTER = 1e-3


def pictures(name):
    data = open(name, 'rb').read().decode('shift_jis', 'replace')
    found = []
    for body in re.findall(r'<picture>(.*?)</picture>', data, re.S):
        corner = lambda tag: tuple(map(float, re.search(
            r'<%s>\s*<x>([-0-9.e]+)</x>\s*<y>([-0-9.e]+)</y>' % tag, body).groups()))
        values = re.search(r'<xyAray>(.*?)</xyAray>', body, re.S)
        numbers = [float(v) for v in values.group(1).replace('\n', ',').split(',') if v.strip()] if values else []
        found.append({'start': corner('startPoint'), 'end': corner('endPoint'),
                      'mask': list(zip(numbers[0::2], numbers[1::2]))})
    return found


def the_picture(name):
    found = pictures(name)
    if len(found) != 1:
        sys.exit('%d pictures in %s, not 1' % (len(found), name))
    return found[0]


def differ(a, b, tolerance):
    return abs(a - b) > tolerance


def text(points):
    return ' '.join('%.5f,%.5f' % p for p in points)


def report(problems):
    if problems:
        print('; '.join(problems))
        sys.exit(1)


def box(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def cmd_same(before, after):
    """The picture of two drawings is the same: frame and outline."""
    a, b = the_picture(before), the_picture(after)
    problems = []
    for key in ('start', 'end'):
        if any(differ(u, v, FILE) for u, v in zip(a[key], b[key])):
            problems.append('%s %s, was %s' % (key, b[key], a[key]))
    if len(a['mask']) != len(b['mask']) or any(
            differ(p[i], q[i], FILE) for p, q in zip(a['mask'], b['mask']) for i in (0, 1)):
        problems.append('mask %s, was %s' % (text(b['mask']), text(a['mask'])))
    report(problems)


def cmd_placed(name, width, height):
    """One picture of the image's size (pixels of the image at 72 dpi)."""
    p = the_picture(name)
    w, h = p['end'][0] - p['start'][0], p['end'][1] - p['start'][1]
    report(['frame %.5f x %.5f mm, not %s x %s pixels' % (w, h, width, height)]
           if differ(w, float(width) * PX, FILE) or differ(h, float(height) * PX, FILE) else [])


def cmd_mask_box(name, x0, y0, x1, y1):
    """The mask's outline fills the box between two pointer positions (pixels from the start corner)."""
    p = the_picture(name)
    if not p['mask']:
        report(['no mask'])
    want = [float(v) * PX for v in (x0, y0, x1, y1)]
    want = [min(want[0], want[2]), min(want[1], want[3]), max(want[0], want[2]), max(want[1], want[3])]
    got = box(p['mask'])
    report(['mask box %s mm, not %s' % (['%.5f' % v for v in got], ['%.5f' % v for v in want])]
           if any(differ(g, w, POINTER + FILE) for g, w in zip(got, want)) else [])


def cmd_moved(before, after, dx, dy):
    """The frame stays and every outline point moved by (dx, dy) pixels."""
    a, b = the_picture(before), the_picture(after)
    problems = []
    if any(differ(u, v, FILE) for key in ('start', 'end') for u, v in zip(a[key], b[key])):
        problems.append('frame %s %s, was %s %s' % (b['start'], b['end'], a['start'], a['end']))
    if len(a['mask']) != len(b['mask']) or any(
            differ(q[0] - p[0], float(dx) * PX, POINTER + FILE) or differ(q[1] - p[1], float(dy) * PX, POINTER + FILE)
            for p, q in zip(a['mask'], b['mask'])):
        problems.append('mask %s, was %s' % (text(b['mask']), text(a['mask'])))
    report(problems)


def cmd_stretched(before, after, dx):
    """The mask's box right edge moved by dx pixels, its left edge, top and bottom stayed, every
    point stretched between them."""
    a, b = the_picture(before), the_picture(after)
    left, _, right, _ = box(a['mask'])
    grow = (right - left + float(dx) * PX) / (right - left)
    problems = []
    if len(a['mask']) != len(b['mask']) or any(
            differ(q[0], left + (p[0] - left) * grow, POINTER + FILE) or differ(q[1], p[1], FILE)
            for p, q in zip(a['mask'], b['mask'])):
        problems.append('mask %s, was %s' % (text(b['mask']), text(a['mask'])))
    report(problems)


def cmd_anchor_moved(before, after, index, dx, dy):
    """Outline point `index` moved by (dx, dy) pixels, every other point stayed."""
    a, b = the_picture(before), the_picture(after)
    index = int(index)
    problems = []
    if len(a['mask']) != len(b['mask']):
        problems.append('%d points, was %d' % (len(b['mask']), len(a['mask'])))
    else:
        for i, (p, q) in enumerate(zip(a['mask'], b['mask'])):
            want = (p[0] + float(dx) * PX, p[1] + float(dy) * PX) if i == index else p
            if differ(q[0], want[0], POINTER + FILE) or differ(q[1], want[1], POINTER + FILE):
                problems.append('point %d at %.5f,%.5f, not %.5f,%.5f' % (i, q[0], q[1], want[0], want[1]))
    report(problems)


def cmd_anchors_same(before, after):
    """The outline has as many points as before and its anchors (every third point) are where they
    were; the control points beside a removed anchor's neighbours may differ."""
    a, b = the_picture(before)['mask'], the_picture(after)['mask']
    report(['%d points, was %d' % (len(b), len(a))] if len(a) != len(b) else
           ['anchor %d at %.5f,%.5f, was %.5f,%.5f' % (i, b[i][0], b[i][1], a[i][0], a[i][1])
            for i in range(0, len(a), 3) if differ(a[i][0], b[i][0], FILE) or differ(a[i][1], b[i][1], FILE)])


def cmd_points(name, count):
    """The outline has this many points."""
    n = len(the_picture(name)['mask'])
    report(['%d points, not %s' % (n, count)] if n != int(count) else [])


def cmd_rightmost(name):
    """Prints the index of the outline's rightmost anchor (every third point) and its place in
    pixels from the start corner."""
    mask = the_picture(name)['mask']
    i = max(range(0, len(mask), 3), key=lambda k: mask[k][0])
    print(i, round(mask[i][0] / PX), round(mask[i][1] / PX))


def cmd_mask_centre(name):
    """Prints the middle of the mask's box in pixels from the start corner."""
    x0, y0, x1, y1 = box(the_picture(name)['mask'])
    print(round((x0 + x1) / 2 / PX), round((y0 + y1) / 2 / PX))


def cmd_mask_right_middle(name):
    """Prints the right-middle handle of the mask's box in pixels from the start corner."""
    x0, y0, x1, y1 = box(the_picture(name)['mask'])
    print(round(x1 / PX), round((y0 + y1) / 2 / PX))


def lines(name):
    """The lines of a drawing: (start x, start y, end x, end y) in mm."""
    data = open(name, 'rb').read().decode('shift_jis', 'replace')
    found = []
    for body in re.findall(r'<line>(.*?)</line>', data, re.S):
        xs = [float(v) for v in re.findall(r'<x>([-0-9.e]+)</x>', body)]
        ys = [float(v) for v in re.findall(r'<y>([-0-9.e]+)</y>', body)]
        found.append((xs[0], ys[0], xs[1], ys[1]))
    return found


def cmd_line(name, dx, dy):
    """The drawing holds a line whose end lies (dx, dy) pixels from its start."""
    for x0, y0, x1, y1 in lines(name):
        if not differ(x1 - x0, float(dx) * PX, POINTER + FILE) and not differ(y1 - y0, float(dy) * PX, POINTER + FILE):
            return
    report(['no line of %s, %s pixels' % (dx, dy)])


def line_angles(name):
    import math
    return [math.degrees(math.atan2(y1 - y0, x1 - x0)) for x0, y0, x1, y1 in lines(name)]


def cmd_turned_beyond(before, after, degrees):
    """The drawing's one line turned, and by more than the given angle alone (either way): a turn
    by a dialog's angle followed by a drag that turned it further."""
    a, b = line_angles(before), line_angles(after)
    if len(a) != 1 or len(b) != 1:
        report(['%d lines, then %d; not 1' % (len(a), len(b))])
    turn = (b[0] - a[0] + 180) % 360 - 180
    report(['the line turned by %.2f degrees, the dialog\'s turn alone' % turn]
           if any(abs(abs(turn) - t) < 1 for t in (0, float(degrees))) else [])


def cmd_text(name, letters):
    """The drawing holds a text of these letters."""
    data = open(name, 'rb').read().decode('shift_jis', 'replace')
    for body in re.findall(r'<text>(.*?)</text>', data, re.S):
        if ''.join(re.findall(r'"([^"]*)"', body)).find(letters) >= 0:
            return
    report(['no text %s' % letters])


def placed_line(before, after):
    """The one line the later drawing holds more (reports and exits unless there is one)."""
    new = lines(after)
    for line in lines(before):
        if line in new:
            new.remove(line)
    if len(new) != 1:
        report(['%d lines placed, not 1: %s' % (len(new), new)])
    return new[0]


def cmd_part_placed(before, after, width, height, dx, dy):
    """The later drawing holds one line more, a part's line of (width, height) mm whose start lies
    (dx, dy) pixels from the picture's start corner."""
    x0, y0, x1, y1 = placed_line(before, after)
    corner = the_picture(after)['start']
    problems = []
    if differ(x1 - x0, float(width), FILE) or differ(y1 - y0, float(height), FILE):
        problems.append('the line spans %.5f x %.5f mm' % (x1 - x0, y1 - y0))
    if differ(x0 - corner[0], float(dx) * PX, POINTER + FILE) or differ(y0 - corner[1], float(dy) * PX, POINTER + FILE):
        problems.append('the line starts %.5f, %.5f mm from the picture, not %s, %s pixels' % (
            x0 - corner[0], y0 - corner[1], dx, dy))
    report(problems)


def cmd_part_at(before, after, width, height, x, y):
    """The later drawing holds one line more, a part's line of (width, height) mm that starts at
    (x, y) mm."""
    x0, y0, x1, y1 = placed_line(before, after)
    report(['the line runs from %.5f, %.5f to %.5f, %.5f mm' % (x0, y0, x1, y1)]
           if any(differ(u, float(v), FILE) for u, v in ((x0, x), (y0, y), (x1 - x0, width), (y1 - y0, height)))
           else [])


def entities(name):
    data = open(name, 'rb').read().decode('shift_jis', 'replace')
    return data[data.find('<entities>'):data.find('</entities>')]


def cmd_same_entities(before, after):
    """The two drawings hold the same elements, written the same, in the same order."""
    a, b = entities(before), entities(after)
    kinds = lambda text: re.findall(r'^   <([a-z]+)>', text, re.M)
    report([] if a == b else ['elements %s, were %s' % (kinds(b), kinds(a)) if kinds(a) != kinds(b) else
                              'the elements %s are written otherwise' % kinds(a)])


def cmd_mask_back(before, after, widened):
    """The later picture's mask outline is the earlier one as the file could keep it while the
    frame was `widened` times narrower: each value within one unit of the file's last decimal
    there, scaled back (the frame itself may differ, kept only to 5 decimals)."""
    a, b = the_picture(before)['mask'], the_picture(after)['mask']
    tolerance = 0.99e-5 * float(widened)
    report(['mask %s, was %s' % (text(b), text(a))]
           if len(a) != len(b) or not a or any(differ(p[i], q[i], tolerance) for p, q in zip(a, b) for i in (0, 1))
           else [])


def cmd_mask_follows(before, after):
    """The later picture's mask outline is the earlier one scaled along each axis by the change of
    the frame's side (as written), within the file's last decimal."""
    a, b = the_picture(before), the_picture(after)
    factor = [(b['end'][i] - b['start'][i]) / (a['end'][i] - a['start'][i]) for i in (0, 1)]
    expected = [(p[0] * factor[0], p[1] * factor[1]) for p in a['mask']]
    report(['mask %s, not %s' % (text(b['mask']), text(expected))]
           if len(expected) != len(b['mask']) or not expected or
           any(differ(p[i], q[i], FILE) for p, q in zip(expected, b['mask']) for i in (0, 1))
           else [])


def cmd_frame_side(name, axis, millimetres):
    """The picture's frame is `millimetres` of paper wide (axis x) or high (y), as written."""
    p = the_picture(name)
    i = 'xy'.index(axis)
    side = abs(p['end'][i] - p['start'][i])
    report(['the frame is %.5f mm along %s, not %s' % (side, axis, millimetres)]
           if differ(side, float(millimetres), 1e-9) else [])


if __name__ == '__main__':
    globals()['cmd_' + sys.argv[1].replace('-', '_')](*sys.argv[2:])
