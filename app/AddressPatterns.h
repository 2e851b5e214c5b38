#pragma once

#include <QRegularExpression>

// Address patterns shared by the address inputs; built once on first use.
namespace AddressPatterns {
// A dotted IPv4 address or a host name, optionally after a short scheme.
const QRegularExpression &host();
// A complete dotted IPv4 address.
const QRegularExpression &ipv4();
// A dotted IPv4 address whose octets may still be empty.
const QRegularExpression &ipv4Partial();
// What an IPv4 input may hold while editing: empty octets, no leading zeros, first octet not 0.
const QRegularExpression &ipv4Edit();
// IPv6 addresses in their usual shortened and mixed forms.
QString ipv6Pattern();
} // namespace AddressPatterns
