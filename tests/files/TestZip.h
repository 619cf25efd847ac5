#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

// Writes small zips byte by byte, so a test can also write the lies a hostile zip tells:
// any name, method, flag or stated size.
struct TestZip {
    struct Entry {
        std::string name;
        std::string data;
        bool deflate = false;
        std::uint16_t method = 0xFFFF;  // as stored; 0xFFFF: 0 or 8 as deflate says
        std::uint16_t flags = 0;
        std::int64_t statedSize = -1;  // the uncompressed size written; -1: the real one
    };
    std::vector<Entry> entries;

    TestZip& add(std::string name, std::string data, bool deflate = false) {
        entries.push_back({std::move(name), std::move(data), deflate});
        return *this;
    }

    static std::string deflated(const std::string& data) {
        z_stream stream{};
        deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&stream, data.size()), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        stream.avail_in = static_cast<uInt>(data.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(stream.total_out);
        deflateEnd(&stream);
        return out;
    }

    std::string bytes() const {
        std::string files;
        std::string directory;
        for (const Entry& entry : entries) {
            const std::string packed = entry.deflate ? deflated(entry.data) : entry.data;
            const auto crc = static_cast<std::uint32_t>(
                crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                      static_cast<uInt>(entry.data.size())));
            const std::uint16_t method = entry.method != 0xFFFF ? entry.method
                                         : entry.deflate        ? 8
                                                                : 0;
            const auto size = static_cast<std::uint32_t>(
                entry.statedSize >= 0 ? entry.statedSize
                                      : static_cast<std::int64_t>(entry.data.size()));
            const auto offset = static_cast<std::uint32_t>(files.size());
            std::string common;
            put16(common, 20);  // version needed
            put16(common, entry.flags);
            put16(common, method);
            put32(common, 0);  // time and date
            put32(common, crc);
            put32(common, static_cast<std::uint32_t>(packed.size()));
            put32(common, size);
            put16(common, static_cast<std::uint16_t>(entry.name.size()));
            put16(common, 0);  // extra field
            files += "PK\3\4" + common + entry.name + packed;
            directory += "PK\1\2";
            put16(directory, 20);  // made by
            directory += common;
            put16(directory, 0);  // comment
            put16(directory, 0);  // disk
            put16(directory, 0);  // internal attributes
            put32(directory, 0);  // external attributes
            put32(directory, offset);
            directory += entry.name;
        }
        std::string end = "PK\5\6";
        put32(end, 0);  // disks
        put16(end, static_cast<std::uint16_t>(entries.size()));
        put16(end, static_cast<std::uint16_t>(entries.size()));
        put32(end, static_cast<std::uint32_t>(directory.size()));
        put32(end, static_cast<std::uint32_t>(files.size()));
        put16(end, 0);  // comment
        return files + directory + end;
    }

    static void put16(std::string& out, std::uint16_t value) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    }
    static void put32(std::string& out, std::uint32_t value) {
        put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
        put16(out, static_cast<std::uint16_t>(value >> 16));
    }
};
