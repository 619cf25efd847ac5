#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: small valid files (named ok_*), files the
readers must refuse (bad_*) and damaged files that only have to be read safely. Run it from
anywhere; it rewrites the generated files under corpus/ and leaves the others (regressions
found by the fuzzer) alone."""
import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    with open(os.path.join(HERE, target, name), "wb") as f:
        f.write(data)


def bmp(width, height, bits, pixels, palette=b"", colours=0, header=40):
    offset = 14 + header + len(palette)
    info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, 0, len(pixels), 2835,
                       2835, colours, 0)
    info += b"\0" * (header - 40)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + palette + pixels


def bmp_seeds():
    put("bmp", "ok_24bit.bmp", bmp(3, 2, 24, bytes(range(9)) + b"\0\0\0" + bytes(range(9, 18)) + b"\0\0\0"))
    put("bmp", "ok_32bit_topdown.bmp", bmp(2, -2, 32, bytes(range(16))))
    put("bmp", "ok_16bit.bmp", bmp(2, 2, 16, bytes(range(8))))
    pal = b"".join(struct.pack("<I", 0x010101 * i) for i in range(16))
    put("bmp", "ok_4bit.bmp", bmp(5, 2, 4, b"\x01\x23\x40\0" * 2, pal, 16))
    pal8 = b"".join(struct.pack("<I", 0x030201 * i) for i in range(4))
    put("bmp", "ok_8bit_short_palette.bmp", bmp(3, 3, 8, b"\x00\x01\x07\0" * 3, pal8, 4))
    put("bmp", "ok_v5_header.bmp", bmp(1, 1, 24, b"\x10\x20\x30\0", header=124))
    put("bmp", "ok_truncated_pixels.bmp", bmp(4, 4, 24, bytes(range(48)))[:-20])
    put("bmp", "bad_not_bmp.bmp", b"PM" + bytes(60))
    put("bmp", "bad_header_only.bmp", b"BM" + bytes(20))
    put("bmp", "bad_huge_side.bmp", bmp(100000, 1, 24, bytes(64)))
    put("bmp", "bad_huge_area.bmp", bmp(16000, -16000, 32, bytes(64)))
    put("bmp", "ok_size_beyond_file.bmp", bmp(1000, 1000, 24, bytes(64)))
    put("bmp", "bad_zero_bits.bmp", bmp(2, 2, 0, bytes(16)))
    put("bmp", "bad_1bit.bmp", bmp(8, 1, 1, bytes(4), b"\0\0\0\0\xff\xff\xff\0", 2))
    put("bmp", "bad_64bit.bmp", bmp(1, 1, 64, bytes(8)))
    put("bmp", "odd_offset_past_end.bmp", bmp(2, 2, 24, bytes(16))[:10] + struct.pack("<I", 0xFFFFFFF0) + bmp(2, 2, 24, bytes(16))[14:])
    put("bmp", "odd_palette_count_huge.bmp", bmp(2, 2, 8, b"\0\1\0\0\1\0\0\0", b"\0" * 8, 0xFFFFFFFF))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, depth, colour, rows, extra=b"", interlace=0):
    raw = b"".join(b"\0" + r for r in rows)
    ihdr = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(raw)) +
            chunk(b"IEND", b""))


def png_seeds():
    put("png", "ok_rgb.png", png(2, 2, 8, 2, [bytes(range(6)), bytes(range(6, 12))]))
    put("png", "ok_rgba.png", png(2, 1, 8, 6, [bytes(range(8))]))
    put("png", "ok_gray2.png", png(4, 1, 2, 0, [b"\x1b"]))
    put("png", "ok_gray_alpha16.png", png(1, 1, 16, 4, [b"\x12\x34\x56\x78"]))
    plte = chunk(b"PLTE", b"\0\0\0\xff\0\0\0\xff\0")
    trns = chunk(b"tRNS", b"\0")
    put("png", "ok_palette_trns.png", png(3, 1, 8, 3, [b"\0\1\2"], plte + trns))
    put("png", "ok_rgb16.png", png(1, 1, 16, 2, [bytes(6)]))
    put("png", "ok_interlaced.png", png(1, 1, 8, 2, [b"\1\2\3"], interlace=1))
    put("png", "bad_signature.png", b"\x89PNX\r\n\x1a\n" + bytes(40))
    put("png", "bad_truncated.png", png(8, 8, 8, 2, [bytes(24)] * 8)[:45])
    put("png", "bad_huge_side.png", png(20000, 1, 8, 0, [b"\0"]))
    put("png", "bad_huge_area.png", png(16000, 16000, 8, 0, [b"\0"]))
    put("png", "odd_cut_end.png", png(1, 1, 8, 2, [b"\1\2\3"]).replace(b"IDAT", b"IDAT", 1)[:-5] + b"\0\0\0\0\0")
    put("png", "bad_empty.png", b"")


def wav(channels, rate, bits, data, tag=1, data_size=None):
    fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * channels * bits // 8,
                      channels * bits // 8, bits)
    size = len(data) if data_size is None else data_size
    body = b"WAVE" + b"fmt " + struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", size) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wav_seeds():
    put("wav", "ok_16bit_stereo.wav", wav(2, 16000, 16, struct.pack("<8h", 0, 1, -1, 32767, -32768, 5, 6, 7)))
    put("wav", "ok_8bit_mono.wav", wav(1, 8000, 8, bytes([0, 128, 255, 64])))
    put("wav", "ok_24bit_silent.wav", wav(1, 16000, 24, bytes(12)))
    put("wav", "ok_data_size_beyond_file.wav", wav(2, 16000, 16, bytes(16), data_size=0xFFFFFFF0))
    put("wav", "ok_odd_length.wav", wav(2, 16000, 16, bytes(7)))
    put("wav", "ok_empty_data.wav", wav(2, 16000, 16, b""))
    put("wav", "bad_not_riff.wav", b"RIFX" + bytes(40))
    put("wav", "bad_float.wav", wav(1, 16000, 32, bytes(8), tag=3))
    put("wav", "bad_zero_channels.wav", wav(0, 16000, 16, bytes(8)))
    put("wav", "bad_nine_channels.wav", wav(9, 16000, 16, bytes(18)))
    put("wav", "bad_zero_bits.wav", wav(2, 16000, 0, bytes(8)))
    put("wav", "bad_64_bits.wav", wav(1, 16000, 64, bytes(8)))
    put("wav", "bad_no_data_chunk.wav", wav(2, 16000, 16, bytes(8)).replace(b"data", b"LIST"))
    put("wav", "bad_cut_in_format.wav", wav(2, 16000, 16, bytes(8))[:24])


SCRIPT_OK = """# A small but complete data file.
Image blank
src image\\blank.png
Image other
Animation Still still
set blank
Animation ConstVelocity fly
set still
initPos 4 -2
velocity 1 2
length 3
Animation Serial both
add fly 2
add other 3
loop 2
Animation Serial outer
add both 5
loop 0
SpecialArt normalAttack
name Attack
strength 10
SpecialArt heal
name Heal
strength -20
consumeMP 5
consumeHP -3
animation outer
Player
name Aya
description Sword
maxHP 200
maxMP 20
specialArt heal 30
faceImage blank
message start Here\\nI\\ncome
message won Yes
Enemy
name Slime
description Wobbly
maxHP 30
maxMP 0
specialArt heal 100
faceImage NULL
message lost Splat
Me
name Me
maxHP 1
"""


def script_seeds():
    put("script", "ok_small.dat", SCRIPT_OK.encode())
    put("script", "ok_crlf.dat", SCRIPT_OK.replace("\n", "\r\n").encode())
    put("script", "ok_only_attack.dat", b"SpecialArt normalAttack\nname A\nstrength 1")
    put("script", "ok_extreme_numbers.dat", b"""SpecialArt normalAttack
name A
strength 2147483647
consumeHP -2147483648
SpecialArt drain
name D
strength -2147483648
consumeMP -2147483648
consumeHP 2147483647
Player
name P
maxHP 2147483647
maxMP -2147483648
specialArt drain 2147483647
Enemy
name E
maxHP -2147483648
maxMP 2147483647
specialArt drain -2147483648
specialArt normalAttack 100
""")
    put("script", "bad_empty.dat", b"")
    put("script", "bad_undefined_name.dat", b"SpecialArt normalAttack\nanimation nowhere\n")
    put("script", "bad_self_animation.dat", b"Animation Serial loop\nadd loop 3\n")
    put("script", "bad_no_normal_attack.dat", b"Image a\n")
    put("script", "bad_number.dat", b"SpecialArt normalAttack\nstrength ten\n")
    put("script", "bad_long_line.dat", b"#" + b"x" * 70000 + b"\n")
    put("script", "bad_binary.dat", bytes(range(256)))
    nest = ["Image i", "Animation Still a0", "set i"]
    nest += ["Animation Still a%d\nset a%d" % (n, n - 1) for n in range(1, 80)]
    put("script", "bad_too_deep.dat", ("\n".join(nest) + "\nSpecialArt normalAttack\n").encode())
    put("script", "ok_utf8_with_mark.dat",
        "\ufeffSpecialArt normalAttack\nPlayer\nname 勇者\n".encode("utf-8"))
    put("script", "ok_utf8.dat", "SpecialArt normalAttack\nPlayer\nname ゆうしゃ\n".encode("utf-8"))
    put("script", "bad_utf8_no_shift_jis.dat", "SpecialArt normalAttack\nname Café\n".encode("utf-8"))
    put("script", "bad_utf8_broken_after_mark.dat", b"\xef\xbb\xbfSpecialArt normalAttack\n\xff\n")
    put("script", "odd_fields_outside_blocks.dat", b"name x\nset y\nmaxHP 3\nloop 2\n")


def zipfile_bytes(entries):
    """A zip of (name, data, method, flags, stated_size) entries, written byte by byte so that
    a seed can tell the lies a hostile zip tells."""
    files, directory = b"", b""
    for name, data, method, flags, stated in entries:
        if isinstance(name, str):
            name = name.encode()
        packed = data
        if method == 8:
            c = zlib.compressobj(9, zlib.DEFLATED, -15)
            packed = c.compress(data) + c.flush()
        size = len(data) if stated is None else stated
        common = struct.pack("<HHHIIIIHH", 20, flags, method, 0, zlib.crc32(data), len(packed),
                             size, len(name), 0)
        offset = len(files)
        files += b"PK\3\4" + common + name + packed
        directory += (b"PK\1\2" + struct.pack("<H", 20) + common +
                      struct.pack("<HHHII", 0, 0, 0, 0, offset) + name)
    end = b"PK\5\6" + struct.pack("<IHHIIH", 0, len(entries), len(entries), len(directory),
                                    len(files), 0)
    return files + directory + end


def zip_seeds():
    def one(name, data=b"x", method=0, flags=0, stated=None):
        return zipfile_bytes([(name, data, method, flags, stated)])
    script = b"Image a\nsrc image\\a.png\nSpecialArt normalAttack\n"
    put("zip", "ok_mod.zip", zipfile_bytes([
        ("script.dat", script, 8, 0, None), ("image/", b"", 0, 0, None),
        ("image\\a.png", b"\x89PNG not really", 0, 0, None),
        ("sound/kelmora.wav", b"RIFF" + bytes(100), 8, 0, None)]))
    put("zip", "ok_empty.zip", zipfile_bytes([]))
    put("zip", "ok_sjis_name.zip", one(b"image\\\x83\x5c.png"))
    put("zip", "bad_parent.zip", one("image/../../up.png"))
    put("zip", "bad_absolute.zip", one("/etc/passwd"))
    put("zip", "bad_drive.zip", one("C:\\game\\script.dat"))
    put("zip", "bad_too_many.zip", zipfile_bytes([("f%d" % i, b"", 0, 0, None) for i in range(1001)]))
    put("zip", "bad_claims_4gb.zip", one("a.bmp", bytes(1 << 16), 8, 0, 0xFFFFFFF0))
    put("zip", "bad_over_64mb.zip", zipfile_bytes([("a", b"a", 8, 0, 40 << 20),
                                                   ("b", b"b", 8, 0, 30 << 20)]))
    put("zip", "bad_encrypted.zip", one("script.dat", flags=1))
    put("zip", "bad_bzip2.zip", one("script.dat", method=12))
    put("zip", "bad_twice.zip", zipfile_bytes([("a.png", b"1", 0, 0, None),
                                               ("A.PNG", b"2", 0, 0, None)]))
    put("zip", "bad_more_than_stated.zip", one("script.dat", b"s" * 300, 8, 0, 100))
    good = one("script.dat", script, 8)
    put("zip", "bad_truncated.zip", good[:-8])
    put("zip", "bad_not_zip.zip", b"script.dat is not a zip")
    put("zip", "odd_directory_offset.zip", good[:-6] + b"\x05" + good[-5:])


PO_HEADER = 'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n"Language: en\\n"\n\n'


def po_seeds():
    os.makedirs(os.path.join(HERE, "po"), exist_ok=True)
    put("po", "ok_small.po", (PO_HEADER + """#: script.dat:571
msgid "アルト"
msgstr "Alto"

msgid "%1$sの　%2$s"
msgstr "%1$s uses %2$s!"

msgid "一行目\\n二行目"
msgstr ""
"First line\\n"
"second line"
""").encode())
    put("po", "ok_every_kind.po", (PO_HEADER + """#, fuzzy
msgid "あ"
msgstr "a"

msgctxt "menu"
msgid "い"
msgstr "i"

msgid "one"
msgid_plural "many"
msgstr[0] "\\t\\"\\101\\x42"
msgstr[1] ""

msgid "untranslated"
msgstr ""

#~ msgid "old"
#~ msgstr "alt"
""").encode())
    put("po", "ok_crlf_bom.po", b"\xef\xbb\xbf" + (PO_HEADER + 'msgid "a"\nmsgstr "b"\n').replace("\n", "\r\n").encode())
    put("po", "bad_no_sjis_form.po", (PO_HEADER + 'msgid "あ"\nmsgstr "Café"\n').encode())
    put("po", "bad_malformed_utf8.po", PO_HEADER.encode() + b'msgid "a"\nmsgstr "\xf0\x80\x80\xaf"\n')
    put("po", "bad_latin1.po", b'msgid ""\nmsgstr "Content-Type: text/plain; charset=ISO-8859-1\\n"\n')
    put("po", "bad_unterminated.po", b'msgid "a\nmsgstr "b"\n')
    put("po", "bad_escape.po", b'msgid "a"\nmsgstr "\\q"\n')
    put("po", "bad_order.po", b'msgstr "b"\nmsgid "a"\n')
    put("po", "bad_plural_index.po", b'msgid "a"\nmsgid_plural "b"\nmsgstr[1] "c"\n')
    put("po", "bad_binary.po", bytes(range(256)))


if __name__ == "__main__":
    bmp_seeds()
    png_seeds()
    wav_seeds()
    script_seeds()
    po_seeds()
    zip_seeds()
