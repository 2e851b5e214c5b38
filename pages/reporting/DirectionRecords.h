#pragma once

#include <QtGlobal>
#include <cstddef>

// How a channel of a direction delivers its events (channel byte 264).
enum channelGSMType_t : quint8
{
    ChannelDisabled = 0,
    ChannelUserSms = 1,
    ChannelQuenorSms = 2,
    ChannelCall = 3,
    ChannelDc09 = 4,
    ChannelSurGard = 5,
    ChannelUnused6 = 6,
    ChannelVoiceCall = 7,
};

#pragma pack(push, 1)

struct channelGSMUserSMS_t
{
    quint64 phone;
    quint8 options; // bit 0 English, bit 1 event time, bit 2 event date
    quint8 unused9[15];
};

struct channelGSMQuenor3_t
{
    quint64 phone;
    quint8 unused8[8];
};

struct channelGSMCall_t
{
    quint64 phone;
    quint16 dialAttempts;
    quint8 unused10[6];
};

struct channelGSMVoice_t
{
    quint64 phone;
    quint8 dialAttempts;
    quint8 unused9[7];
};

namespace Dc09Option {
enum : quint8
{
    HoldConnected = 1u << 0,
    HostName = 1u << 1,
    Timestamp = 1u << 2,
    Encrypt = 1u << 3,
};
}

struct channelGSMGPRSDC9_t
{
    quint8 address[32]; // host name, or the IPv4 address big-endian in the first 4 bytes
    quint32 receiver;
    quint32 compared108; // not set here, but part of the change check
    quint8 unused112[8];
    quint8 key[16];
    quint8 linkChannel;
    quint8 sendAttempts;
    quint16 port;
    quint8 answerTimeout;
    quint8 options;
    quint8 unused70[2];
};

struct channelGSMTest_t
{
    quint16 times[8]; // minutes since midnight, 0xFFFF = free
    quint8 weekDays;  // bit 0 Monday
    quint8 taskType;
    quint8 unused18[6];
    quint32 interval;
    quint8 unused28[8];
    quint8 testType;
    quint8 testWhen;
    quint8 options; // bit 0 testing enabled
    quint8 periodMode;
};

struct s_channelGSMsett
{
    channelGSMUserSMS_t userSms;
    channelGSMQuenor3_t quenor;
    channelGSMCall_t call;
    channelGSMVoice_t voice;
    channelGSMGPRSDC9_t dc09;
    quint8 unused144[64];
    channelGSMTest_t test;
    quint32 timeoutOnError;
    quint8 unused252[12];
    quint8 type;
    quint8 channelUserId;
    quint8 unused266[6];
};

struct eventFilter_t
{
    quint64 partitionEvents;
    quint64 zoneEvents;
    quint8 unused16[32];
    quint32 partitions;
    quint32 powerEvents;
    quint32 systemEvents;
    quint8 unused60[16];
    quint16 outEvents;
    quint16 loginEvents;
    quint16 firmwareEvents;
    quint16 transmittedEvent;
    quint16 gsmEvents;
    quint8 unused86[18];
};

struct s_GSMDirectionSett
{
    eventFilter_t filter;
    s_channelGSMsett channels[3];
};

// One direction block as the communicator stores it.
struct s_ExtMemDataGSMDirection
{
    static constexpr int size = 1536;
    static constexpr int crcOffset = 1532;
    static constexpr int nameSize = 64;

    quint8 name[64];
    quint32 crc32Name;
    quint32 reserved;
    s_GSMDirectionSett settings;
    quint32 end;
    quint8 unused996[534];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

#pragma pack(pop)

static_assert(sizeof(channelGSMGPRSDC9_t) == 72, "channelGSMGPRSDC9_t");
static_assert(sizeof(channelGSMTest_t) == 40, "channelGSMTest_t");
static_assert(sizeof(s_channelGSMsett) == 272, "s_channelGSMsett");
static_assert(offsetof(s_channelGSMsett, dc09) == 72, "dc09 part");
static_assert(offsetof(s_channelGSMsett, dc09) + offsetof(channelGSMGPRSDC9_t, key) == 120, "key");
static_assert(offsetof(s_channelGSMsett, dc09) + offsetof(channelGSMGPRSDC9_t, port) == 138,
              "port");
static_assert(offsetof(s_channelGSMsett, dc09) + offsetof(channelGSMGPRSDC9_t, options) == 141,
              "options");
static_assert(offsetof(s_channelGSMsett, test) == 208, "test part");
static_assert(offsetof(s_channelGSMsett, test) + offsetof(channelGSMTest_t, testType) == 244,
              "test type");
static_assert(offsetof(s_channelGSMsett, timeoutOnError) == 248, "timeout on error");
static_assert(offsetof(s_channelGSMsett, type) == 264, "channel type");
static_assert(sizeof(eventFilter_t) == 104, "eventFilter_t");
static_assert(offsetof(eventFilter_t, partitions) == 48, "partitions");
static_assert(offsetof(eventFilter_t, outEvents) == 76, "output events");
static_assert(offsetof(eventFilter_t, gsmEvents) == 84, "GSM events");
static_assert(sizeof(s_GSMDirectionSett) == 920, "s_GSMDirectionSett");
static_assert(sizeof(s_ExtMemDataGSMDirection) == 1536, "s_ExtMemDataGSMDirection");
static_assert(offsetof(s_ExtMemDataGSMDirection, settings) == 72, "direction settings");
static_assert(offsetof(s_ExtMemDataGSMDirection, settings) +
                      offsetof(s_GSMDirectionSett, channels) ==
                  176,
              "main channel");
static_assert(offsetof(s_ExtMemDataGSMDirection, end) == 992, "direction end");
static_assert(offsetof(s_ExtMemDataGSMDirection, compatibleVersion) == 1530, "versions");
static_assert(offsetof(s_ExtMemDataGSMDirection, crc32) == 1532, "direction CRC");
