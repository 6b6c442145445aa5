#include "SampleWorld.h"

#include "SampleRandom.h"

#include <cmath>

namespace host::sample {
namespace {

struct Venue {
    const char* name;
    const char* url;
};

// Patterns: '#' becomes any digit, '@' a digit other than 0.
struct City {
    const char* locality;
    const char* country;
    const char* countryCode;
    const char* administrativeArea;
    const char* administrativeAreaCode;
    double latitude;
    double longitude;
    const char* postCodePattern;
    const char* phonePattern;
    const char* houseNumberPattern;
    const char* streets[3];
    Venue venues[3];
    const char* localQueries[2];
};

const City kCities[] = {
    {"Paris", "France", "FR", "Île-de-France", "IDF", 48.8566, 2.3522, "750##", "+33 1 ## ## ## ##", "@#",
     {"Rue de Rivoli", "Boulevard Saint-Germain", "Avenue des Champs-Élysées"},
     {{"Café de Flore", "https://cafedeflore.fr/"},
      {"Musée d'Orsay", "https://www.musee-orsay.fr/fr"},
      {"Boulangerie Poilâne", "https://www.poilane.com/"}},
     {"boulangerie", "pharmacie de garde"}},
    {"Berlin", "Deutschland", "DE", "Berlin", "BE", 52.5200, 13.4050, "10###", "+49 30 @#######", "@#",
     {"Unter den Linden", "Friedrichstraße", "Kurfürstendamm"},
     {{"Pergamonmuseum", "https://www.smb.museum/museen-einrichtungen/pergamonmuseum/"},
      {"Café Einstein Stammhaus", "https://cafeeinstein.com/"},
      {"KaDeWe", "https://www.kadewe.de/"}},
     {"Apotheke", "Späti"}},
    {"New York", "United States", "US", "New York", "NY", 40.7128, -74.0060, "100##", "+1 (212) @##-####", "@##",
     {"Broadway", "5th Ave", "W 42nd St"},
     {{"Katz's Delicatessen", "https://katzsdelicatessen.com/"},
      {"The Metropolitan Museum of Art", "https://www.metmuseum.org/"},
      {"Grand Central Terminal", "https://www.grandcentralterminal.com/"}},
     {"pizza by the slice", "bagels"}},
    {"São Paulo", "Brasil", "BR", "São Paulo", "SP", -23.5505, -46.6333, "01###-###", "+55 11 @####-####", "@###",
     {"Avenida Paulista", "Rua Augusta", "Rua Oscar Freire"},
     {{"MASP", "https://masp.org.br/"},
      {"Mercado Municipal de São Paulo", "https://www.mercadomunicipalsp.com/"},
      {"Livraria Cultura", "https://www.livrariacultura.com.br/"}},
     {"farmácia", "padaria"}},
    {"Ciudad de México", "México", "MX", "Ciudad de México", "CDMX", 19.4326, -99.1332, "06###", "+52 55 #### ####",
     "@#",
     {"Paseo de la Reforma", "Avenida Insurgentes Sur", "Calle Francisco I. Madero"},
     {{"Museo Nacional de Antropología", "https://www.mna.inah.gob.mx/"},
      {"Palacio de Bellas Artes", "https://palacio.inba.gob.mx/"},
      {"Café de Tacuba", "https://cafedetacuba.com.mx/"}},
     {"taquería", "farmacia 24 horas"}},
    {"Buenos Aires", "Argentina", "AR", "Ciudad Autónoma de Buenos Aires", "C", -34.6037, -58.3816, "C10##AA",
     "+54 11 @###-####", "@###",
     {"Avenida Corrientes", "Calle Florida", "Avenida de Mayo"},
     {{"Café Tortoni", "https://www.cafetortoni.com.ar/"},
      {"Teatro Colón", "https://teatrocolon.org.ar/"},
      {"El Ateneo Grand Splendid", "https://www.yenny-elateneo.com/"}},
     {"parrilla", "heladería"}},
    {"Sydney", "Australia", "AU", "New South Wales", "NSW", -33.8688, 151.2093, "2000", "+61 2 #### ####", "@#",
     {"George Street", "Pitt Street", "Macquarie Street"},
     {{"Sydney Opera House", "https://www.sydneyoperahouse.com/"},
      {"Queen Victoria Building", "https://www.qvb.com.au/"},
      {"Harry's Café de Wheels", "https://harryscafedewheels.com.au/"}},
     {"flat white", "chemist"}},
    {"Auckland", "New Zealand", "NZ", "Auckland", "AUK", -36.8485, 174.7633, "10##", "+64 9 ### ####", "@#",
     {"Queen Street", "Ponsonby Road", "Karangahape Road"},
     {{"Sky Tower", "https://www.skycityauckland.co.nz/sky-tower/"},
      {"Auckland War Memorial Museum", "https://www.aucklandmuseum.com/"},
      {"Britomart", "https://britomart.org/"}},
     {"fish and chips", "ferry terminal"}},
    {"Cape Town", "South Africa", "ZA", "Western Cape", "WC", -33.9249, 18.4241, "80##", "+27 21 ### ####", "@#",
     {"Long Street", "Bree Street", "Strand Street"},
     {{"Zeitz MOCAA", "https://zeitzmocaa.museum/"},
      {"V&A Waterfront", "https://www.waterfront.co.za/"},
      {"Kirstenbosch National Botanical Garden", "https://www.sanbi.org/gardens/kirstenbosch/"}},
     {"braai", "table mountain cableway"}},
    {"Reykjavík", "Ísland", "IS", "Höfuðborgarsvæðið", "1", 64.1466, -21.9426, "10@", "+354 ### ####", "@#",
     {"Laugavegur", "Skólavörðustígur", "Austurstræti"},
     {{"Hallgrímskirkja", "https://www.hallgrimskirkja.is/"},
      {"Harpa", "https://www.harpa.is/"},
      {"Bæjarins Beztu Pylsur", "https://www.bbp.is/"}},
     {"sundlaug", "hot dog"}},
    {"İstanbul", "Türkiye", "TR", "İstanbul", "34", 41.0082, 28.9784, "34###", "+90 212 ### ## ##", "@#",
     {"İstiklal Caddesi", "Bağdat Caddesi", "Divanyolu Caddesi"},
     {{"Ayasofya", "https://muze.gen.tr/"},
      {"Kapalıçarşı", "https://www.kapalicarsi.org.tr/"},
      {"Hafız Mustafa 1864", "https://www.hafizmustafa.com/"}},
     {"eczane", "balık ekmek"}},
    {"Αθήνα", "Ελλάδα", "GR", "Αττική", "I", 37.9838, 23.7275, "105 ##", "+30 21 #### ####", "@#",
     {"Οδός Ερμού", "Λεωφόρος Βασιλίσσης Σοφίας", "Οδός Αδριανού"},
     {{"Μουσείο Ακρόπολης", "https://www.theacropolismuseum.gr/"},
      {"Εθνικό Αρχαιολογικό Μουσείο", "https://www.namuseum.gr/"},
      {"Κεντρική Αγορά Αθηνών", ""}},
     {"φαρμακείο", "σουβλάκι"}},
    {"Москва", "Россия", "RU", "Москва", "MOW", 55.7558, 37.6173, "1250##", "+7 495 ###-##-##", "@#",
     {"Тверская улица", "улица Арбат", "Никольская улица"},
     {{"Государственный исторический музей", "https://shm.ru/"},
      {"ГУМ", "https://gum.ru/"},
      {"Кофемания", "https://coffeemania.ru/"}},
     {"аптека", "кафе рядом"}},
    {"Санкт-Петербург", "Россия", "RU", "Санкт-Петербург", "SPE", 59.9343, 30.3351, "1910##", "+7 812 ###-##-##",
     "@#",
     {"Невский проспект", "Большая Морская улица", "улица Рубинштейна"},
     {{"Государственный Эрмитаж", "https://www.hermitagemuseum.org/"},
      {"Дом книги", "https://www.spbdk.ru/"},
      {"Мариинский театр", "https://www.mariinsky.ru/"}},
     {"разводные мосты", "пышечная"}},
    {"Київ", "Україна", "UA", "Київ", "30", 50.4501, 30.5234, "010##", "+380 44 ### ## ##", "@#",
     {"вулиця Хрещатик", "Андріївський узвіз", "Володимирська вулиця"},
     {{"Києво-Печерська лавра", "https://lavra.ua/"},
      {"Національна опера України", "https://opera.com.ua/"},
      {"Львівська майстерня шоколаду", ""}},
     {"аптека поруч", "кав'ярня"}},
    {"Алматы", "Қазақстан", "KZ", "Алматы", "ALA", 43.2389, 76.8897, "0500##", "+7 727 ### ## ##", "@#",
     {"проспект Абая", "улица Панфилова", "проспект Достык"},
     {{"Зелёный базар", ""},
      {"Центральный государственный музей", "https://csmrk.kz/"},
      {"Кок-Тобе", "https://koktobe.com/"}},
     {"бешбармак", "обмен валют"}},
    {"東京", "日本", "JP", "東京都", "13", 35.6762, 139.6503, "100-00##", "+81 3-####-####", "@-@-#",
     {"銀座四丁目", "表参道", "神楽坂"},
     {{"東京国立博物館", "https://www.tnm.jp/"},
      {"築地本願寺", "https://tsukijihongwanji.jp/"},
      {"すきやばし次郎", ""}},
     {"ラーメン", "コンビニ"}},
    {"北京", "中国", "CN", "北京市", "BJ", 39.9042, 116.4074, "1000##", "+86 10 #### ####", "@#号",
     {"长安街", "王府井大街", "南锣鼓巷"},
     {{"故宫博物院", "https://www.dpm.org.cn/"},
      {"全聚德", ""},
      {"国家大剧院", "https://www.chncpa.org/"}},
     {"咖啡", "地铁站"}},
    {"서울", "대한민국", "KR", "서울특별시", "11", 37.5665, 126.9780, "0####", "+82 2-####-####", "@#",
     {"세종대로", "테헤란로", "인사동길"},
     {{"경복궁", "https://www.royalpalace.go.kr/"},
      {"국립중앙박물관", "https://www.museum.go.kr/"},
      {"광장시장", ""}},
     {"편의점", "떡볶이"}},
    {"台北", "臺灣", "TW", "臺北市", "TPE", 25.0330, 121.5654, "1@#", "+886 2 #### ####", "@#號",
     {"忠孝東路", "信義路五段", "迪化街"},
     {{"國立故宮博物院", "https://www.npm.gov.tw/"},
      {"台北101", "https://www.taipei-101.com.tw/"},
      {"鼎泰豐", "https://www.dintaifung.com.tw/"}},
     {"珍珠奶茶", "夜市"}},
    {"القاهرة", "مصر", "EG", "محافظة القاهرة", "C", 30.0444, 31.2357, "115##", "+20 2 #### ####", "@#",
     {"شارع التحرير", "شارع طلعت حرب", "شارع المعز لدين الله"},
     {{"المتحف المصري", "https://egyptianmuseumcairo.eg/"},
      {"خان الخليلي", ""},
      {"مقهى الفيشاوي", ""}},
     {"مطعم", "صيدلية"}},
    {"دبي", "الإمارات العربية المتحدة", "AE", "دبي", "DU", 25.2048, 55.2708, "", "+971 4 ### ####", "@#",
     {"شارع الشيخ زايد", "شارع جميرا", "شارع خالد بن الوليد"},
     {{"برج خليفة", "https://www.burjkhalifa.ae/"},
      {"دبي مول", "https://thedubaimall.com/"},
      {"سوق الذهب", ""}},
     {"محطة مترو", "قهوة عربية"}},
    {"الرياض", "المملكة العربية السعودية", "SA", "منطقة الرياض", "01", 24.7136, 46.6753, "1@###",
     "+966 11 ### ####", "@###",
     {"طريق الملك فهد", "شارع التحلية", "طريق العليا"},
     {{"برج المملكة", "https://kingdomcentre.com.sa/"},
      {"المتحف الوطني السعودي", ""},
      {"سوق الزل", ""}},
     {"مطعم مندي", "صراف آلي"}},
    {"नई दिल्ली", "भारत", "IN", "दिल्ली", "DL", 28.6139, 77.2090, "1100##", "+91 11 #### ####", "@#",
     {"राजपथ", "चाँदनी चौक", "कनॉट प्लेस"},
     {{"लाल क़िला", "https://www.asi.nic.in/"},
      {"इंडिया गेट", ""},
      {"क़ुतुब मीनार", ""}},
     {"चाय", "मेट्रो स्टेशन"}},
};

const char* const kGlobalQueries[] = {
    "coffee", "gas station", "pharmacy", "parking", "ATM", "hotels", "sushi", "museum",
    "supermarket open now", "EV charging", "hospital", "bike rental", "airport", "vegan restaurant",
};

const char* const kOwnTitles[] = {
    "Home", "Work", "Gym", "Mom & Dad", "Дом", "Работа", "自宅", "会社", "المنزل", "Casa", "Büro", "Parking spot 🚗",
};

// The degree span of a city quarter: places lie within this distance of the city centre.
constexpr double kCityRadius = 0.08;
constexpr double kMinimumSpan = 0.004;
constexpr double kMaximumSpan = 0.6;
constexpr double kPi = 3.14159265358979323846;

std::string FillPattern(const char* pattern, SampleRandom& random)
{
    std::string text;
    for (const char* character = pattern; *character; ++character) {
        if (*character == '#')
            text += static_cast<char>('0' + random.Below(10));
        else if (*character == '@')
            text += static_cast<char>('1' + random.Below(9));
        else
            text += *character;
    }
    return text;
}

SampleAddress RandomAddress(const City& city, const char* street, SampleRandom& random)
{
    SampleAddress address;
    address.country = city.country;
    address.countryCode = city.countryCode;
    address.administrativeArea = city.administrativeArea;
    address.administrativeAreaCode = city.administrativeAreaCode;
    address.locality = city.locality;
    address.postCode = FillPattern(city.postCodePattern, random);
    address.thoroughfare = street;
    address.subThoroughfare = FillPattern(city.houseNumberPattern, random);
    return address;
}

SamplePoint CityCentre(const City& city)
{
    return {city.latitude, city.longitude};
}

} // namespace

SamplePoint RandomPointNear(const SamplePoint& center, double radiusDegrees, SampleRandom& random)
{
    const double longitudeScale = std::cos(center.latitude * kPi / 180.0);
    return {center.latitude + random.Real(-radiusDegrees, radiusDegrees),
            center.longitude + random.Real(-radiusDegrees, radiusDegrees) / longitudeScale};
}

SamplePlace RandomPlace(SampleRandom& random)
{
    const City& city = random.Pick(kCities);
    const Venue& venue = random.Pick(city.venues);
    SamplePlace place;
    place.name = venue.name;
    place.point = RandomPointNear(CityCentre(city), kCityRadius, random);
    if (random.Chance(0.85))
        place.telephone = FillPattern(city.phonePattern, random);
    if (random.Chance(0.08))
        place.fax = FillPattern(city.phonePattern, random);
    place.url = venue.url;
    place.address = RandomAddress(city, random.Pick(city.streets), random);
    return place;
}

SampleSearch RandomSearch(SampleRandom& random)
{
    const City& city = random.Pick(kCities);
    SampleSearch search;
    switch (random.Below(4)) {
    case 0:
        search.query = random.Pick(kGlobalQueries);
        search.locationDisplayString = std::string(city.locality) + ", " + city.country;
        break;
    case 1:
        search.query = random.Pick(city.localQueries);
        search.locationDisplayString = std::string(city.locality) + ", " + city.country;
        break;
    case 2: {
        const Venue& venue = random.Pick(city.venues);
        search.query = venue.name;
        search.locationDisplayString = std::string(random.Pick(city.streets)) + ", " + city.locality;
        break;
    }
    default: {
        const SampleAddress address = RandomAddress(city, random.Pick(city.streets), random);
        search.query = address.thoroughfare + " " + address.subThoroughfare;
        search.locationDisplayString = address.postCode.empty() ? address.locality
                                                                : address.postCode + " " + address.locality;
        break;
    }
    }
    const SamplePoint center = RandomPointNear(CityCentre(city), kCityRadius, random);
    const double latitudeSpan = random.Real(kMinimumSpan, kMaximumSpan);
    const double longitudeSpan = latitudeSpan / std::cos(center.latitude * kPi / 180.0);
    search.southWest = {center.latitude - latitudeSpan / 2, center.longitude - longitudeSpan / 2};
    search.northEast = {center.latitude + latitudeSpan / 2, center.longitude + longitudeSpan / 2};
    return search;
}

std::string RandomBookmarkTitle(const SamplePlace& place, SampleRandom& random)
{
    return random.Chance(0.7) ? place.name : std::string(random.Pick(kOwnTitles));
}

} // namespace host::sample
