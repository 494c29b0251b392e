#!/usr/bin/env python3
"""What a saved MP4 says of itself in its boxes, read without decoding a frame.

    mp4.py FILE

Prints one line: the major brand, the boxes at the top of the file in their order (but padding:
free and skip), the sample entry of the first track (the codec) and that track's count of frames,
e.g. "isom: ftyp moov mdat; avc1; 200 frames". A box whose size runs past the end of the file ends
the walk; what was not found is "-".
Exit status 1 when the file cannot be read.
"""

import struct
import sys


def boxes(data, start, end):
    """(type, content start, end) of each box between start and end."""
    at = start
    while at + 8 <= end:
        size, kind = struct.unpack('>I4s', data[at:at + 8])
        content = at + 8
        if size == 1 and at + 16 <= end:
            size = struct.unpack('>Q', data[at + 8:at + 16])[0]
            content = at + 16
        elif size == 0:
            size = end - at
        if size < content - at or at + size > end:
            return
        yield kind.decode('latin-1'), content, at + size
        at += size


def child(data, path, start, end):
    """The content start and end of the first box down the path, or None."""
    for kind, content, stop in boxes(data, start, end):
        if kind == path[0]:
            return (content, stop) if len(path) == 1 else child(data, path[1:], content, stop)
    return None


def main(argv):
    try:
        with open(argv[1], 'rb') as file:
            data = file.read()
    except (IndexError, OSError) as error:
        print(error)
        return 1
    top = ' '.join(kind for kind, _, _ in boxes(data, 0, len(data)) if kind not in ('free', 'skip'))
    ftyp = child(data, ['ftyp'], 0, len(data))
    brand = data[ftyp[0]:ftyp[0] + 4].decode('latin-1') if ftyp and ftyp[1] - ftyp[0] >= 4 else '-'
    table = ['moov', 'trak', 'mdia', 'minf', 'stbl']
    # stsd: version and flags, a count of entries, then the first entry's size and type.
    entries = child(data, table + ['stsd'], 0, len(data))
    codec = data[entries[0] + 12:entries[0] + 16].decode('latin-1') if entries else '-'
    # stsz: version and flags, one size for all the samples or 0, then the count of samples.
    sizes = child(data, table + ['stsz'], 0, len(data))
    frames = struct.unpack('>I', data[sizes[0] + 8:sizes[0] + 12])[0] if sizes else '-'
    print(f'{brand}: {top}; {codec}; {frames} frames')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
